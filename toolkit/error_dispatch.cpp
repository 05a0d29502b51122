#include "toolkit/error_dispatch.h"

#include <exception>

namespace toolkit {

std::string ErrorDispatch::boxText(std::string message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') message += '.';
  return message;
}

bool ErrorDispatch::runCatching(const std::function<void()>& handler, std::string& message) {
  try {
    handler();
    return true;
  } catch (const std::exception& failure) {
    message = failure.what();
    return false;
  }
}

void ErrorDispatch::runEvent(const std::function<void()>& handler) {
  std::string message;
  if (!runCatching(handler, message)) box_.showError(title_, boxText(message));
}

void ErrorDispatch::runTimerJob(const void* job, const std::function<void()>& handler) {
  std::string message;
  if (runCatching(handler, message)) {
    lastTimerFailure_.erase(job);
    return;
  }
  auto [previous, first] = lastTimerFailure_.try_emplace(job, message);
  if (!first && previous->second == message) return;
  previous->second = message;
  box_.showError(title_, boxText(message));
}

}  // namespace toolkit
