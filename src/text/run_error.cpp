#include "text/run_error.h"

namespace varnel {

RunError::RunError(int number) : RunError(number, describe(number)) {}

RunError::RunError(int number, std::string description)
    : std::runtime_error("Error " + std::to_string(number) + ": " + description),
      number_(number),
      description_(std::move(description)) {}

std::string RunError::describe(int number) {
    switch (number) {
        case Overflow:
            return "Overflow";
        case SubscriptOutOfRange:
            return "Subscript out of range";
        case TypeMismatch:
            return "Type mismatch";
        case BadFileNameOrNumber:
            return "Bad file name or number";
        case FileNotFound:
            return "File not found";
        case BadFileMode:
            return "Bad file mode";
        case FileAlreadyOpen:
            return "File already open";
        case DeviceIoError:
            return "Device I/O error";
        case FileAlreadyExists:
            return "File already exists";
        case BadRecordLength:
            return "Bad record length";
        case DiskFull:
            return "Disk full";
        case InputPastEndOfFile:
            return "Input past end of file";
        case BadRecordNumber:
            return "Bad record number";
        case BadFileName:
            return "Bad file name";
        case TooManyFiles:
            return "Too many files";
        case DeviceUnavailable:
            return "Device unavailable";
        case PermissionDenied:
            return "Permission denied";
        case DiskNotReady:
            return "Disk not ready";
        case CannotRename:
            return "Can't rename with different drive";
        case PathFileAccessError:
            return "Path/File access error";
        case PathNotFound:
            return "Path not found";
        case PrinterError:
            return "Printer error";
        default:
            return "Application-defined or object-defined error";
    }
}

namespace {
std::string errorText(const RunError& error, const char* who) {
    return "An error has occurred. Error number " + std::to_string(error.number()) + " -- " +
           error.description() + ".  Try again, or notify " + who + ".";
}
}  // namespace

std::string commonErrorText(const RunError& error) { return errorText(error, "author"); }
std::string importErrorText(const RunError& error) { return errorText(error, "Varnel"); }

}  // namespace varnel
