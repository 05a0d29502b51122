// An auxiliary window made modal by hand: opening stills the main window's command state and
// disables it; closing gives both back; the window's own timer runs only while it is open.
#include "shell/auxiliary_window.h"

#include "tests/shell/shell_fixture.h"

namespace shell_testing {
namespace {

TEST_F(ShellTest, AnAuxiliaryWindowOpensModalAndClosesBack) {
  toolkit::Timer T1{clock, "T1", 1, true};
  toolkit::Timer ownTimer{clock, "T1", 1, false};
  toolkit::Window mainWindow;
  mainWindow.show();
  for (toolkit::Timer* own : {&ownTimer, static_cast<toolkit::Timer*>(nullptr)}) {
    SCOPED_TRACE(own ? "with its own timer" : "without a timer");
    toolkit::Window window;
    window.setEnabled(false);
    shell::AuxiliaryWindow auxiliary{{T1, mainWindow, window, own}};

    auxiliary.open();
    EXPECT_FALSE(T1.enabled());
    EXPECT_FALSE(mainWindow.enabled());
    EXPECT_TRUE(window.visible());
    EXPECT_TRUE(window.enabled());
    if (own) {
      EXPECT_TRUE(own->enabled());
    }

    auxiliary.close();
    EXPECT_TRUE(T1.enabled());
    EXPECT_TRUE(mainWindow.enabled());
    EXPECT_TRUE(mainWindow.visible());
    EXPECT_FALSE(window.visible());
    if (own) {
      EXPECT_FALSE(own->enabled());
    }
  }
}

}  // namespace
}  // namespace shell_testing
