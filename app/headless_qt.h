#pragma once
// The Qt application object the command line needs for fonts: without a display it draws
// offscreen.

#include <QGuiApplication>
#include <clocale>
#include <memory>

namespace trimora {

class HeadlessQt {
 public:
  HeadlessQt() {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    app_ = std::make_unique<QGuiApplication>(argc_, argv_);
    std::setlocale(LC_NUMERIC, "C");  // Qt took the user's locale; numbers keep their "."
  }

 private:
  int argc_ = 1;
  char name_[12] = "trimora-cli";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> app_;
};

}  // namespace trimora
