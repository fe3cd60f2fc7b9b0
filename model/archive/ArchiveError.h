#pragma once
// Errors raised while a document file is read or written.
#include <stdexcept>
#include <string>

enum class ArchiveErrorKind {
    EndOfFile,  // a read past the end, or a count or length beyond it
    BadIndex,   // a reference to nothing read, to a class as object or the reverse
    BadClass,   // an unknown class, a name too long, or a class not expected here
    BadSchema,  // a class record with another schema number
    BadFormat,  // a value the record cannot hold (our grid settings record)
    Generic     // anything else (a length that does not fit 31 bits, limits of the writer)
};

class CArchiveError : public std::runtime_error {
public:
    CArchiveError(ArchiveErrorKind kind, const std::string& what)
        : std::runtime_error(what), errorKind(kind)
    {
    }
    ArchiveErrorKind Kind() const { return errorKind; }

private:
    ArchiveErrorKind errorKind;
};
