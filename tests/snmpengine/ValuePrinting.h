#pragma once

#include "CvSNMPValue.h"

#include <QtTest>

// Lets QCOMPARE show both binding values when they differ.
inline char *toString(const CvSNMPValue &value)
{
    return QTest::toString(ToDebugText(value));
}
