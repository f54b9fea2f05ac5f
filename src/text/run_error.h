#pragma once
// A failing file or printer operation raises one error type carrying the
// classic run-time error number and description; the handlers that trap
// errors turn it into the common "Error" box.
#include <stdexcept>
#include <string>

namespace varnel {

class RunError : public std::runtime_error {
public:
    enum Number {
        Overflow = 6,
        SubscriptOutOfRange = 9,
        TypeMismatch = 13,
        BadFileNameOrNumber = 52,
        FileNotFound = 53,
        BadFileMode = 54,
        FileAlreadyOpen = 55,
        DeviceIoError = 57,
        FileAlreadyExists = 58,
        BadRecordLength = 59,
        DiskFull = 61,
        InputPastEndOfFile = 62,
        BadRecordNumber = 63,
        BadFileName = 64,
        TooManyFiles = 67,
        DeviceUnavailable = 68,
        PermissionDenied = 70,
        DiskNotReady = 71,
        CannotRename = 74,
        PathFileAccessError = 75,
        PathNotFound = 76,
        PrinterError = 482,
    };

    explicit RunError(int number);
    RunError(int number, std::string description);

    int number() const { return number_; }
    const std::string& description() const { return description_; }

    // The classic description of a run-time error number.
    static std::string describe(int number);

private:
    int number_;
    std::string description_;
};

// "An error has occurred. Error number 53 -- File not found.  Try again, or notify author."
std::string commonErrorText(const RunError& error);
// The import window ends its error text with "notify Varnel" instead.
std::string importErrorText(const RunError& error);

}  // namespace varnel
