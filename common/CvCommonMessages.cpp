#include "CvCommonMessages.h"

#include "CvException.h"

CvMessageTable &CommonMessages()
{
    static CvMessageTable table {
        "(CvCommon) Ok!",
        "(CvCommon) Bad logic operand!",
        "(CvCommon) Bad format specifier of edit's constraint!",
        "(CvCommon) Empty value is not allowed!",
        "(CvCommon) Please enter a string whose length is less than [MAXLEN]!",
        "(CvCommon) Please enter a string whose length is [LEN]!",
        "(CvCommon) Please enter a hex string whose length is less than [MAXLEN]!",
        "(CvCommon) Please enter a hex string whose length is [LEN]!",
        "(CvCommon) Please enter a number between [MIN] and [MAX]!",
        "(CvCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
        "Here,the count of the number is less than [MAXCOUNT]!",
        "(CvCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
        "Here,the count of the number is equal to [COUNT]!",
        "(CvCommon) Please enter a delimited number string with delimiter '[DELIMITER]'.\n"
        "Here,each number is between [MIN] and [MAX]!",
        "(CvCommon) Out of range at index of array or list!",
        "(CvCommon) Destination buffer is undersize!",
        "(CvCommon) The source to dncrypt is not encrypted!",
        "(CvCommon) Fail to read data from file([FILENAME])!",
        "(CvCommon) Fail to write data to file([FILENAME])!",
        "(CvCommon) Fail to write value in ini file([FILENAME])!",
        "(CvCommon) Fail to read option data from file([FILENAME])!",
    };
    return table;
}

QString CommonMessage(int k)
{
    return CommonMessages().Text(k);
}

void RaiseCommon(int k)
{
    throw CvException(CommonMessage(k), -k);
}

void RaiseCommon(int k, const QString &filledMessage)
{
    throw CvException(filledMessage, -k);
}
