// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "frm_splash.h"

#include "credits.h"
#include "resources/fonts.h"
#include "resources/layouts.h"
#include "resources/pictures.h"
#include "resources/stored_values.h"
#include "runtime/accessible_window.h"
#include "runtime/image_control.h"
#include "runtime/window_placement.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>

namespace quatrelle::about {

namespace layout = resources::frmSplash;

namespace {

constexpr int BorderPixels = layout::Window.borderPixels;

QSize clientSize() {
    return runtime::TwipsToPixels(layout::Window.clientWidth, layout::Window.clientHeight);
}

} // namespace

// The client area inside the one-pixel border: the picture and the three controls, made
// together at load and discarded together at unload, so that a closed about window holds no
// pixels.
class frmSplash::Controls : public QWidget {
public:
    explicit Controls(QWidget* window)
        : QWidget(window)
        , label(new runtime::LabelControl(this, layout::Label1.rect))
        , button(new resources::FlatBttn(this, layout::FlatBttn1))
        , timer(new QTimer(this))
        , m_picture(resources::LoadPicture(layout::Window.picture)) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setGeometry(QRect(QPoint(BorderPixels, BorderPixels), clientSize()));
        label->setFont(resources::FontFor(layout::Window.font));
        label->setAutoFillBackground(true);
        QPalette colours = label->palette();
        colours.setColor(QPalette::Window, resources::ToColor(layout::Label1.backColour));
        colours.setColor(
            QPalette::WindowText,
            QGuiApplication::palette().color(resources::PaletteRole(layout::Label1.textColour)));
        label->setPalette(colours);
        label->setMargin(0);
        timer->setInterval(layout::Timer1IntervalMs);
    }

    runtime::LabelControl* const label;
    resources::FlatBttn* const button;
    QTimer* const timer;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        runtime::DrawWindowPicture(painter, m_picture);
    }

private:
    QPixmap m_picture;
};

// A dialog to the window manager, so that it can keep the window in front of the main window.
frmSplash::frmSplash()
    : QWidget(nullptr, Qt::Dialog | Qt::FramelessWindowHint) {
    // A dialog, whose credits a screen reader reads out when it opens.
    runtime::ExposeAsWindow(*this, QAccessible::Dialog);
    // The window draws no title, but taskbars, pagers and screen readers name it.
    setWindowTitle(tr("A propos de Quatrelle"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(clientSize() + QSize(2 * BorderPixels, 2 * BorderPixels));
}

frmSplash::~frmSplash() = default;

runtime::LabelControl* frmSplash::Label1() const {
    return m_controls ? m_controls->label : nullptr;
}
resources::FlatBttn* frmSplash::FlatBttn1() const {
    return m_controls ? m_controls->button : nullptr;
}
QTimer* frmSplash::Timer1() const {
    return m_controls ? m_controls->timer : nullptr;
}

float frmSplash::outerWidthTwips() const {
    return runtime::PixelsToTwipsX(width());
}

void frmSplash::Show() {
    if (!isLoaded()) {
        m_controls = new Controls(this);
        connect(m_controls->timer, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
        connect(m_controls->button, &resources::FlatBttn::Click, this, &frmSplash::FlatBttn1_Click);
        Form_Load();
        m_controls->show();
        m_controls->timer->start();
        m_controls->button->setFocus();
    }
    if (layout::Window.centreOnScreen)
        runtime::CentreOnScreen(*this);
    show();
    raise();
    activateWindow();
}

void frmSplash::Unload() {
    if (!isLoaded())
        return;
    // The close button's own handler may be what unloads the window: the controls go once
    // control has left them.
    m_controls->timer->stop();
    m_controls->hide();
    m_controls->deleteLater();
    m_controls = nullptr;
    hide();
    Q_EMIT Unloaded();
}

void frmSplash::Form_Load() {
    runtime::LabelControl* label = m_controls->label;
    label->setText(AboutText());
    label->fitToText();
    label->setLeft(outerWidthTwips());
}

void frmSplash::Timer1_Timer() {
    runtime::LabelControl* label = m_controls->label;
    label->setLeft(label->Left() - 30.0f);
    if (label->Left() < -label->Width())
        label->setLeft(outerWidthTwips());
    // Returning lets the event loop process what is pending; nothing follows the step.
}

void frmSplash::FlatBttn1_Click() {
    Unload();
}

void frmSplash::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        Unload(); // as "Fermer" does
        return;
    }
    QWidget::keyPressEvent(event);
}

void frmSplash::paintEvent(QPaintEvent*) {
    // Only the one-pixel border shows outside the client area.
    QPainter painter(this);
    painter.setPen(QPalette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void frmSplash::closeEvent(QCloseEvent* event) {
    // A window manager's close does what "Fermer" does, so the main window never stays
    // disabled with no about window on screen.
    Unload();
    event->accept();
}

} // namespace quatrelle::about
