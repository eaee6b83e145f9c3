// Errors of Korvel. Every error a user can see is an Exception: it carries
// the class name users know from the message box
// ("<class name> ошибка с сообщением : <message>") and the message itself.
#pragma once

#include <stdexcept>
#include <string>

namespace korvel {

class Exception : public std::runtime_error {
 public:
  Exception(std::string className, const std::string& message)
      : std::runtime_error(message), className_(std::move(className)) {}

  const std::string& className() const noexcept { return className_; }
  std::string message() const { return what(); }

 private:
  std::string className_;
};

// Text that is not a number in the expected format.
class EConvertError : public Exception {
 public:
  explicit EConvertError(const std::string& message) : Exception("EConvertError", message) {}
};

// Files that cannot be found or read.
class EInOutError : public Exception {
 public:
  explicit EInOutError(const std::string& message) : Exception("EInOutError", message) {}
};

// Any database failure. The two connections raise the kinds their users know:
// the alias connection EDBEngineError, the connection-string one EOleException.
class EDatabaseError : public Exception {
 public:
  explicit EDatabaseError(const std::string& message, std::string className = "EDatabaseError")
      : Exception(std::move(className), message) {}
};

class EDBEngineError : public EDatabaseError {
 public:
  explicit EDBEngineError(const std::string& message) : EDatabaseError(message, "EDBEngineError") {}
};

class EOleException : public EDatabaseError {
 public:
  explicit EOleException(const std::string& message) : EDatabaseError(message, "EOleException") {}
};

// Template, expression and preparation failures of the report engine.
class EReportError : public Exception {
 public:
  explicit EReportError(const std::string& message) : Exception("EReportError", message) {}
};

// Printing and preview failures (no printer, output file not writable).
class EPrinterError : public Exception {
 public:
  explicit EPrinterError(const std::string& message) : Exception("EPrinterError", message) {}
};

}  // namespace korvel
