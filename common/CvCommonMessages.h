#pragma once

#include "CvMessageTable.h"

// The "(CvCommon)" table: messages of the common utilities. Entry k is
// raised with the code -k.
enum CvCommonMessage {
    CommonOk = 0,
    CommonBadLogicOperand = 1,
    CommonBadFormatSpecifier = 2,
    CommonEmptyNotAllowed = 3,
    CommonStringTooLong = 4,
    CommonStringLength = 5,
    CommonHexTooLong = 6,
    CommonHexLength = 7,
    CommonNumberRange = 8,
    CommonNumListMaxCount = 9,
    CommonNumListCount = 10,
    CommonNumListRange = 11,
    CommonIndexOutOfRange = 12,
};

CvMessageTable &CommonMessages();

QString CommonMessage(int k);

// Throws CvException with entry k of the table (placeholders already filled
// by the caller when the entry has any) and the code -k.
[[noreturn]] void RaiseCommon(int k);
[[noreturn]] void RaiseCommon(int k, const QString &filledMessage);
