#pragma once

#include "CvOptionList.h"

#include <QList>
#include <QString>

// The standard MIB views as data: each view is one or more sections, a
// section is a group of scalars or a table, and every column names its
// object as the MIB does, with its units and its named values. The tables
// live in ViewsMib.cpp, ViewsPorts.cpp and ViewsLayer3.cpp.

// How the value of a column is shown.
enum class ViewKind : quint8 {
    Number, // INTEGER, Integer32, Unsigned32, Gauge32: decimal
    Counter, // Counter32, Counter64: decimal, with its rate per second beside it
    Ticks, // TimeTicks: a duration, "3 days 04:05:06.07"
    Text, // DisplayString
    Octets, // OCTET STRING: hexadecimal octets separated by blanks
    Mac, // MacAddress: aa:bb:cc:dd:ee:ff
    Ip, // IpAddress: a.b.c.d
    Oid, // OBJECT IDENTIFIER: dotted decimal
    Enum, // INTEGER with named values: the name
    Bits, // BITS: the names of the bits that are set
    Hundredths, // a number in hundredths, shown with two decimals
};

// How one part of a table's index is coded in the instance sub-identifiers.
enum class ViewIndexKind : quint8 {
    IndexInteger, // one sub-identifier
    IndexIp, // four
    IndexMac, // six
    IndexText, // a length, then that many octets, shown as characters
};

struct ViewIndexPart
{
    const char *name = nullptr; // null ends a list
    ViewIndexKind kind = ViewIndexKind::IndexInteger;
    const CvIntOption *names = nullptr; // an Integer part with named values
};

struct ViewColumn
{
    const char *arc = nullptr; // under the section's OID; null ends a list
    const char *name = nullptr; // the object's descriptor in its MIB
    ViewKind kind = ViewKind::Number;
    const char *unit = nullptr; // the UNITS of the object, if any
    const CvIntOption *names = nullptr; // Enum: values, Bits: bit numbers; {0, nullptr} ends it
    // A Counter32's Counter64 twin (the full OID of an ifHC* column), read
    // instead where the agent has it over SNMPv2c and v3.
    const char *wide = nullptr;
};

struct ViewSection
{
    const char *title = nullptr; // null ends a list
    // A table's entry OID (columns are its column numbers), or the OID the
    // arcs of a group of scalars are relative to (each instance is ".0").
    const char *oid = nullptr;
    const ViewIndexPart *index = nullptr; // null for a group of scalars
    const ViewColumn *columns = nullptr;

    bool isTable() const { return index != nullptr; }
};

struct ViewDefinition
{
    const char *argument = nullptr; // "MIB_IFCounters": family, "_", name; null ends a list
    const char *title = nullptr; // as the menu names it
    const char *reference = nullptr; // the MIB module and RFC the objects come from
    const ViewSection *sections = nullptr;
};

// The six program names; the family of a view is its argument's text
// before the first "_".
inline constexpr const char *ViewFamilies[]
    = {"MIB", "IFMib", "EthernetLike", "Rmon", "Bridge", "Layer3"};

QList<const ViewDefinition *> AllViews();
// The view named by an argument such as "MIB_IFCounters"; null when none.
const ViewDefinition *FindView(const QString &argument);
QString FamilyOf(const ViewDefinition &view);
bool IsViewFamily(const QString &name);

// The lists each data file gives, ended by a definition without argument.
extern const ViewDefinition MibViews[];
extern const ViewDefinition PortViews[];
extern const ViewDefinition Layer3Views[];
