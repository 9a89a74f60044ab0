#include "CvNumList.h"

#include "CvCommonMessages.h"

template <typename T> int CvNumListT<T>::CountItems(const QString &text) const
{
    if (text.isEmpty())
        return 0;
    return int(text.count(QLatin1Char(delimiter))) + 1;
}

template <typename T> void CvNumListT<T>::Parse(const QString &text)
{
    m_items = QList<T>(CountItems(text), T(0));
    if (m_items.isEmpty())
        return;
    // Unsigned arithmetic wraps as a 32-bit register would; the signed
    // variant is the same bits read back as signed.
    quint32 item = 0;
    bool inFraction = false;
    qsizetype k = 0;
    for (QChar c : text) {
        if (c == QLatin1Char(delimiter)) {
            m_items[k++] = T(item);
            item = 0;
            inFraction = false;
        } else if (c == QLatin1Char('.')) {
            inFraction = true;
        } else if (!inFraction) {
            item = item * 10u + quint32(int(c.unicode()) - int('0'));
        }
    }
    m_items[k] = T(item);
}

template <typename T> int CvNumListT<T>::IndexOf(T value) const
{
    return int(m_items.indexOf(value));
}

template <typename T> T CvNumListT<T>::Item(int k) const
{
    if (k < 0 || k >= m_items.size())
        RaiseCommon(CommonIndexOutOfRange);
    return m_items.at(k);
}

template <typename T>
bool CvNumListT<T>::AllWithin(quint32 min, quint32 max) const requires std::is_same_v<T, quint32>
{
    for (quint32 v : m_items) {
        if (v < min || v > max)
            return false;
    }
    return true;
}

template class CvNumListT<qint32>;
template class CvNumListT<quint32>;
