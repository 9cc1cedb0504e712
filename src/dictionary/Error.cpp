#include "dictionary/Error.h"

namespace dd {

std::string IoErrorMessage(int code) {
    switch (code) {
        case 2:
            return "File not found";
        case 3:
            return "Invalid filename";
        case 4:
            return "Too many open files";
        case 5:
            return "File access denied";
        case kIoReadBeyondEnd:
            return "Read beyond end of file";
        case kIoDiskFull:
            return "Disk full";
        case kIoInvalidNumericInput:
            return "Invalid numeric input";
        default:
            return "I/O error " + std::to_string(code);
    }
}

Error IoError(int code) { return Error(IoErrorMessage(code), code); }

Error ListIndexError(long long index) { return Error("List index out of bounds (" + std::to_string(index) + ")"); }

}  // namespace dd
