// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
// The floor that Quatrelle is measured against: a bare Qt Widgets program showing one frameless
// 403 x 275 window. With --scroll it also moves a one-line label every 50 ms, as the about
// window does.

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <optional>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setWindowTitle(QStringLiteral("Floor"));
    window.resize(403, 275);
    // The label is made only for scrolling: sizing it would load the fonts before the window
    // shows, which a bare window does not do.
    std::optional<QLabel> label;
    QTimer timer;
    if (QApplication::arguments().contains(QStringLiteral("--scroll"))) {
        label.emplace(QStringLiteral("Programmation : a line of text as long as the credits, "
                                     "scrolling from right to left without end - Version 0.0.10"),
                      &window);
        label->setAutoFillBackground(true);
        label->adjustSize();
        QObject::connect(&timer, &QTimer::timeout, &window, [&label, &window] {
            label->move(label->x() - 2 < -label->width() ? window.width() : label->x() - 2, 8);
        });
        timer.start(50);
    }
    window.show();
    return QApplication::exec();
}
