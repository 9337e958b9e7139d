#include "form1.h"

#include "game/victory.h"
#include "resources/fonts.h"
#include "resources/layouts.h"
#include "resources/pictures.h"
#include "resources/stored_values.h"
#include "runtime/round_rect_region.h"
#include "runtime/twips.h"
#include "runtime/window_placement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMessageBox>
#include <QPainter>
#include <QWindow>

namespace quatrelle::main_window {

namespace layout = resources::form1;
using runtime::ImageControl;
using runtime::MouseState;

namespace {

constexpr float Step = 600;               // twips between neighbouring arrows, cells and rows
constexpr float Margin = 400;             // twips right of and below the last cell
constexpr int CornerEllipse = 30;         // pixels
constexpr std::int16_t NewGameButton = 0; // the command buttons by index
constexpr std::int16_t AboutButton = 1;
constexpr std::int16_t HelpButton = 2;
constexpr std::int16_t QuitButton = 3;

// What the board shows before the first move: empty cells under plain arrows.
bool shownAtStart(resources::Picture picture) {
    return picture == resources::Picture::EmptyCell || picture == resources::Picture::NormalArrow;
}

// Only X11 lets a program place its own window; elsewhere the compositor must move it.
bool compositorMovesWindows() {
    return QGuiApplication::platformName() == QLatin1String("wayland");
}

} // namespace

Form1::Form1()
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    createStoredControls();
    Form_Load();
    runtime::CentreOnScreen(*this);
}

Form1::~Form1() = default;

void Form1::createStoredControls() {
    setWindowTitle(resources::ToQString(layout::Window.caption));
    setFont(resources::FontFor(layout::Window.font));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    resize(runtime::TwipsToPixels(layout::Window.clientWidth, layout::Window.clientHeight));

    // The board's first sight needs only the empty cell and the plain arrow: the hidden
    // holders of the pieces and of the lit arrow decode theirs when play first asks for them.
    const auto image = [this](const resources::ImageSpec& spec) {
        auto* control = new ImageControl(this, spec.index, spec.rect, spec.visible);
        if (!spec.picture)
            return control;
        if (shownAtStart(*spec.picture))
            control->setPicture(resources::LoadPicture(*spec.picture));
        else
            control->setPictureLoader(
                [picture = *spec.picture] { return resources::LoadPicture(picture); });
        return control;
    };

    FlatBttn1 = runtime::ControlArray<resources::FlatBttn>([this](resources::FlatBttn& button) {
        connect(&button, &resources::FlatBttn::IndexedClick, this, &Form1::FlatBttn1_Click);
        connect(&button, &resources::FlatBttn::IndexedMouseMove, this, &Form1::FlatBttn1_MouseMove);
    });
    for (const resources::FlatButtonSpec& spec : layout::FlatBttn1)
        FlatBttn1.add(*spec.index, new resources::FlatBttn(this, spec));

    imgFleche = runtime::ControlArray<ImageControl>([this](ImageControl& arrow) {
        connect(&arrow, &ImageControl::Click, this, &Form1::imgFleche_Click);
        connect(&arrow, &ImageControl::MouseMove, this, &Form1::imgFleche_MouseMove);
    });
    imgFleche.add(0, image(layout::imgFleche0));
    imgCube = runtime::ControlArray<ImageControl>([this](ImageControl& cell) {
        connect(&cell, &ImageControl::Click, this, &Form1::imgCube_Click);
        connect(&cell, &ImageControl::MouseMove, this, &Form1::imgCube_MouseMove);
    });
    imgCube.add(0, image(layout::imgCube0));
    for (const resources::ImageSpec& spec : layout::BaseCube)
        BaseCube.add(spec.index, image(spec));
    for (const resources::ImageSpec& spec : layout::Fleche)
        Fleche.add(spec.index, image(spec));
}

void Form1::Form_Load() {
    m_game.NewGame();

    for (std::int16_t i = 1; i <= 6; ++i) {
        ImageControl* arrow = imgFleche.load(i);
        arrow->setTop(imgFleche[0].twips().top);
        arrow->setLeft(imgFleche[i - 1].twips().left + Step);
        arrow->setPicture(Fleche[1].picture());
        arrow->setVisible(true);
    }
    imgFleche[0].setPicture(Fleche[1].picture());

    for (std::int16_t i = 1; i <= 34; ++i) {
        ImageControl* cell = imgCube.load(i);
        cell->setVisible(true);
        cell->setLeft(imgCube[0].twips().left + Step * static_cast<float>(game::ColumnOf(i)));
        cell->setTop(imgCube[0].twips().top + Step * static_cast<float>(game::RowOf(i)));
        cell->setPicture(BaseCube[0].picture());
    }
    imgCube[0].setPicture(BaseCube[0].picture());

    // The window is sized from the bottom-right cell, with a margin right of and below it.
    const ImageControl& last = imgCube[imgCube.ubound()];
    const float width = last.twips().width + last.twips().left + Margin;
    const float height = last.twips().height + last.twips().top + Margin;
    const QSize pixels = runtime::TwipsToPixels(width, height);
    setFixedSize(pixels);
    setMask(
        runtime::RoundRectRegion(pixels.width(), pixels.height(), CornerEllipse, CornerEllipse));
}

void Form1::DoBeep() {
    Q_EMIT beeped();
}

void Form1::imgFleche_Click(std::int16_t Index) {
    const auto placed = m_game.Drop(Index);
    if (!placed) {
        DoBeep();
        return;
    }
    imgCube[placed->cell].setPicture(BaseCube[placed->value].picture());
    CheckVictory();
}

void Form1::imgCube_Click(std::int16_t Index) {
    if (m_game.Board()[Index] != game::Empty)
        return;
    if (m_game.IsFloating(Index)) {
        DoBeep();
        return;
    }
    imgFleche_Click(static_cast<std::int16_t>(game::ColumnOf(Index)));
}

void Form1::imgFleche_MouseMove(std::int16_t Index, const MouseState&) {
    ResetArrows();
    imgFleche[Index].setPicture(Fleche[0].picture());
}

void Form1::imgCube_MouseMove(std::int16_t Index, const MouseState&) {
    ResetArrows();
    if (m_game.IsPlayable(Index))
        imgFleche[game::ColumnOf(Index)].setPicture(Fleche[0].picture());
}

void Form1::ResetArrows() {
    imgFleche.forEach([this](ImageControl& arrow) { arrow.setPicture(Fleche[1].picture()); });
}

void Form1::CheckVictory() {
    if (const auto line = game::FindWinningLine(m_game.Board()))
        ShowWinner(line->player);
}

void Form1::ShowWinner(std::int16_t n) {
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(),
                    QString::fromStdString(game::WinText(n)), QMessageBox::Ok, this);
    box.exec();
}

void Form1::FlatBttn1_Click(std::int16_t Index) {
    switch (Index) {
    case NewGameButton:
        NewGame();
        break;
    case AboutButton:
        ShowAbout();
        break;
    case HelpButton:
        break;
    case QuitButton:
        // Ends the program at once: the event loop returns without handling anything else.
        QCoreApplication::exit(0);
        break;
    default:
        break;
    }
}

void Form1::FlatBttn1_MouseMove(std::int16_t, const MouseState&) {
    ResetArrows();
}

void Form1::NewGame() {
    m_game.NewGame();
    for (int i = 1; i < game::CellCount; ++i)
        imgCube[i].setPicture(BaseCube[0].picture());
    imgCube[0].setPicture(BaseCube[0].picture());
}

void Form1::ShowAbout() {
    setEnabled(false);
    if (!m_about) {
        m_about = std::make_unique<about::frmSplash>();
        connect(m_about.get(), &about::frmSplash::Unloaded, this, [this] { setEnabled(true); });
    }
    m_about->Show();
}

void Form1::Form_MouseDown(const MouseState& state) {
    DragStartX = static_cast<std::int16_t>(runtime::RoundHalfEven(state.x));
    DragStartY = static_cast<std::int16_t>(runtime::RoundHalfEven(state.y));
    IsDragging = -1;
}

void Form1::Form_MouseMove(const MouseState& state) {
    ResetArrows();
    if (IsDragging == 0)
        return;
    const float left = runtime::PixelsToTwipsX(x());
    const float top = runtime::PixelsToTwipsY(y());
    const float newTop = (state.y - static_cast<float>(DragStartY)) + top;
    const float newLeft = (state.x - static_cast<float>(DragStartX)) + left;
    move(runtime::TwipsToPixelsX(newLeft), runtime::TwipsToPixelsY(newTop));
    // Returning lets the event loop process what is pending, the window's move among it.
}

void Form1::Form_MouseUp(const MouseState&) {
    IsDragging = 0;
}

void Form1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), resources::ToColor(layout::Window.backColour));
    // The window repaints itself only when it is shown and when the about window disables or
    // enables it: decoding the small picture then costs less than keeping its 440 KB of
    // pixels for the whole game.
    painter.drawPixmap(0, 0, resources::LoadPicture(layout::Window.picture));
}

void Form1::mousePressEvent(QMouseEvent* event) {
    if (compositorMovesWindows() && windowHandle()) {
        windowHandle()->startSystemMove();
        return;
    }
    Form_MouseDown(runtime::MouseStateOf(*event));
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
    // Positions are taken from the pointer on the screen, so that the grabbed point stays
    // under it even when the pointer runs ahead of a window that has not yet moved.
    MouseState state = runtime::MouseStateOf(*event);
    const QPointF local = event->globalPosition() - QPointF(pos());
    state.x = runtime::PixelsToTwipsX(local.x());
    state.y = runtime::PixelsToTwipsY(local.y());
    Form_MouseMove(state);
}

void Form1::mouseReleaseEvent(QMouseEvent* event) {
    Form_MouseUp(runtime::MouseStateOf(*event));
}

void Form1::closeEvent(QCloseEvent* event) {
    // A window manager's close ends the program as "Quitter" does, about window or not.
    event->accept();
    QCoreApplication::exit(0);
}

} // namespace quatrelle::main_window
