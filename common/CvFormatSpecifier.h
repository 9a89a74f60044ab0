#pragma once

#include <QString>
#include <QStringList>

// What one edit accepts, read from a specifier such as "%i{n1x4094l4}":
// "%", a type letter, for type 'n' one delimiter character, then an
// optional option block "{...}" that must close the specifier.
//
//   type  's' any text, 'h' hexadecimal digits, 'i' signed integer,
//         'u' unsigned integer, 'f' real, 'n' numbers split by a delimiter
//   options (any order, each a letter and its argument):
//     n<number>  minimum        x<number>  maximum
//     l<digits>[a|f|n]...  maximum length (type 'n': maximum count) with up
//                to three flags: a = advance focus when full, f = exact,
//                n = empty not accepted
//     w<digits>  edit width in pixels      e<char>  exit character
//
// A letter right after the digits of "l" is read as a flag when it is one of
// "afn", so in "%i{l5n1}" the 'n' is a flag and the "1" a bad option.
struct CvFormatSpecifier
{
    enum Flag : quint8 {
        AdvanceWhenFull = 1, // "a"
        ExactLength = 2, // "f"
        NotEmpty = 4, // "n"
    };

    char type = 's';
    char delimiter = 0; // type 'n' only
    double minimum = 0;
    double maximum = 0;
    qint32 maxLength = 0; // 0 = no limit
    quint8 flags = 0;
    char exitChar = 0; // 0 = none
    qint32 width = 0; // pixels; 0 = leave the edit's width alone

    // Reads one specifier; throws CvException -2 "(CvCommon) Bad format
    // specifier of edit's constraint!" when it breaks the grammar above.
    // Without "n"/"x" the range is the type's: 'i' the signed and 'u' the
    // unsigned 32-bit range, 'f' the smallest positive normal double to the
    // largest double, 'n' 0 to 4294967295 for each number.
    static CvFormatSpecifier Parse(const QString &specifier);
};

// Splits a format text into its specifiers: every '%' that is not the first
// character starts the next one ("%i%i%i%i" gives four).
QStringList SplitFormat(const QString &format);

// The number of edits a format text asks for: the '%' characters followed by
// one of the type letters "shiufn".
int CountFormatEdits(const QString &format);
