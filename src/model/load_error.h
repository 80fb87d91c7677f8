#pragma once
// The error a project load stops with. The loader shows its text in a message box and fails.

#include <exception>
#include <string>

#include "model/translation.h"

namespace lumora {

class TQMException : public std::exception {
 public:
  explicit TQMException(std::string text, std::string caption = translate("Core", "Error"))
      : text_(std::move(text)), caption_(std::move(caption)) {}
  const char* what() const noexcept override { return text_.c_str(); }
  const std::string& Text() const { return text_; }
  // The message box caption; empty means the application title.
  const std::string& Caption() const { return caption_; }

 private:
  std::string text_;
  std::string caption_;
};

}  // namespace lumora
