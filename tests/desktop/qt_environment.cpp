// The view tests run on Qt's offscreen platform (set by CTest): one QApplication for the run.
#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

namespace {

class QtEnvironment final : public testing::Environment {
 public:
  void SetUp() override {
    static int argc = 1;
    static char name[] = "desktop_tests";
    static char* argv[] = {name, nullptr};
    application_ = std::make_unique<QApplication>(argc, argv);
  }
  void TearDown() override { application_.reset(); }

 private:
  std::unique_ptr<QApplication> application_;
};

const auto* const registered = testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
