#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class CvSNMPValue;

namespace PortListText {
// The stack a port list describes: bit (u - 1) * 64 + p - 1 is port p of
// unit u.
constexpr int Units = 12;
constexpr int PortsPerUnit = 64;
} // namespace PortListText

// Whether port p of unit u is one the window shows.
using PortShown = std::function<bool(int unit, int port)>;

// A port list in words: the ports it holds as unit:port ranges in port
// order ("1:1-10, 1:25, 2:3-4"). A run of ports the window does not show is
// listed too, marked "(not shown)". Empty for a list without ports.
QString PortListInWords(const QByteArray &octets, const PortShown &shown);
// A port list value in words, every port as shown; "no ports" for none.
QString PortListInWords(const CvSNMPValue &value);
