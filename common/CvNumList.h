#pragma once

#include <QList>
#include <QString>

#include <type_traits>

// A delimited list of numbers ("1,5,12"). Parsing refuses nothing: a
// character that is not a digit enters item * 10 + (c - '0') as it is, and
// fractional digits after a '.' that is not the delimiter are dropped. The
// edit constraints filter the text before it gets here.
template <typename T> class CvNumListT
{
    static_assert(std::is_same_v<T, qint32> || std::is_same_v<T, quint32>);

public:
    CvNumListT() = default;

    char delimiter = '.';

    void Parse(const QString &text);
    int CountItems(const QString &text) const;
    int IndexOf(T value) const;
    T Item(int k) const; // throws CvException -12 when k is out of range
    int count() const { return int(m_items.size()); }
    const QList<T> &items() const { return m_items; }

    // Every item between min and max, compared as unsigned numbers.
    bool AllWithin(quint32 min, quint32 max) const requires std::is_same_v<T, quint32>;

private:
    QList<T> m_items;
};

using CvNumList = CvNumListT<qint32>;
using CvUNumList = CvNumListT<quint32>;

extern template class CvNumListT<qint32>;
extern template class CvNumListT<quint32>;
