#pragma once

// A dark desktop theme for GUI tests, and how well two colours stand apart.
// Header only: the tests that use it have the toolkit's GUI module.
#include <QColor>
#include <QPalette>

#include <algorithm>
#include <cmath>

// The palette of a dark desktop theme, as the toolkit's own style shows it.
inline QPalette DarkPalette()
{
    QPalette p;
    const QColor window(53, 53, 53);
    const QColor field(35, 35, 35);
    const QColor grey(127, 127, 127);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Base, field);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, field);
    p.setColor(QPalette::ToolTipText, Qt::white);
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Link, QColor(42, 130, 218));
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, field);
    p.setColor(QPalette::PlaceholderText, grey);
    for (const auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        p.setColor(QPalette::Disabled, role, grey);
    return p;
}

// The contrast ratio of two colours, from 1 (the same) to 21 (black and
// white), as accessibility guidelines reckon it; text wants at least 3.
inline double ContrastRatio(QRgb a, QRgb b)
{
    const auto luminance = [](QRgb c) {
        const auto linear = [](int v) {
            const double s = v / 255.0;
            return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

inline constexpr double ReadableContrast = 3.0;
