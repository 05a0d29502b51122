#pragma once
// What the main window's features run on in a test: a temporary working folder, the recording
// error box behind a fake clock, a fixed-size screen, recording players and scripted draws; the
// settings rows in the delivered layout; and the main window itself on those ports.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "shell/tform1.h"
#include "tests/support/cp1251_literals.h"
#include "tests/support/scripted_random.h"
#include "tests/support/toolkit_fakes.h"
#include "tests/support/working_folder.h"
#include "toolkit/application.h"
#include "toolkit/error_dispatch.h"
#include "toolkit/timer.h"

namespace shell_testing {

using testing_support::cp;
using testing_support::utf8;

/// The 31 settings rows in the delivered layout and look (switches on), UTF-8, with the given rows
/// (1-based) replaced.
std::vector<std::string> settingsRows(const std::map<int, std::string>& replaced = {});

/// The failure of `action` as UTF-8, or "no failure".
std::string failureOf(const std::function<void()>& action);

/// The ports, and the files a test needs below the working folder.
class ShellTest : public ::testing::Test {
 protected:
  void TearDown() override { EXPECT_TRUE(random.exhausted()) << "a scripted draw was not used"; }

  /// Replaces "Data base/ini/Config.ini" by these UTF-8 rows.
  void writeSettings(const std::vector<std::string>& utf8Rows) const;
  /// Replaces a file of "Data base/AI" by these UTF-8 lines.
  void writeAi(const std::string& name, const std::vector<std::string>& utf8Lines) const;
  /// Makes the six cue files of "Data base/Sound".
  void writeCues() const;
  /// The messages the error box showed, UTF-8.
  std::vector<std::string> shownMessages() const;

  testing_support::WorkingFolder folder;
  testing_support::RecordingErrorBox box;
  toolkit::ErrorDispatch errors{box, cp("Болтомир")};
  toolkit::FakeClock clock{errors};
  testing_support::FakeScreen screen;
  testing_support::RecordingPlayer MP;
  testing_support::RecordingPlayer MP2;
  testing_support::ScriptedRandom random;
  toolkit::Application application;
};

/// The main window on the test's ports. Its jobs are run one by one through their timers' events
/// (form.T12.onTimer()), never by ticking the clock, so no job runs that the test did not ask for.
class MainWindowTest : public ShellTest {
 protected:
  shell::TForm1 form{shell::MainWindowServices{clock, screen, MP, MP2, random, application}};
};

}  // namespace shell_testing
