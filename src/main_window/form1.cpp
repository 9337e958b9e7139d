// SPDX-FileCopyrightText: 2026 Korvantis
// SPDX-License-Identifier: GPL-3.0-or-later
#include "form1.h"

#include "board_note.h"
#include "game/victory.h"
#include "menu_hint.h"
#include "narrator.h"
#include "resources/fonts.h"
#include "resources/layouts.h"
#include "resources/pictures.h"
#include "resources/stored_values.h"
#include "runtime/accessible_window.h"
#include "runtime/click_menu.h"
#include "runtime/first_paint.h"
#include "runtime/keep_in_front.h"
#include "runtime/round_rect_region.h"
#include "runtime/twips.h"
#include "runtime/window_drag.h"
#include "runtime/window_placement.h"
#include "side_windows.h"
#include "spoken_texts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <array>
#include <chrono>

namespace quatrelle::main_window {

namespace layout = resources::form1;
using runtime::ImageControl;
using runtime::MouseState;

namespace {

constexpr float Step = 600;               // twips between neighbouring arrows, cells and rows
constexpr float Margin = 400;             // twips right of and below the last cell
constexpr int CornerEllipse = 30;         // design pixels, as the skin's corners are drawn
constexpr std::int16_t NewGameButton = 0; // the command buttons by index
constexpr std::int16_t AboutButton = 1;
constexpr std::int16_t HelpButton = 2;
constexpr std::int16_t QuitButton = 3;

// What the board shows before the first move: empty cells under plain arrows.
bool shownAtStart(resources::Picture picture) {
    return picture == resources::Picture::EmptyCell || picture == resources::Picture::NormalArrow;
}

} // namespace

Form1::Form1(match::ChoiceBook choices)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , m_match(std::move(choices)) {
    m_match.scores().setStorage({resources::LoadScore, resources::SaveScore});
    runtime::ExposeAsWindow(*this);
    createStoredControls();
    Form_Load();
    m_narrator = new Narrator(*this, imgCube, imgFleche, m_match);
    m_boardKeys = std::make_unique<BoardKeys>(
        imgFleche, [this](int column) { imgFleche_Click(static_cast<std::int16_t>(column)); });

    // Before the board's own redraw, which asks it what it marks.
    m_computerGame = new ComputerGameView(*this, imgCube, m_match, [this] { showCells(); });
    connect(m_computerGame, &ComputerGameView::gameEnded, m_narrator, &Narrator::gameOver);
    connect(m_computerGame, &ComputerGameView::resultShowing, m_narrator, &Narrator::nameResult);
    connect(&m_match, &match::Match::dropped, this, &Form1::showCells);
    connect(&m_match, &match::Match::takenBack, this, &Form1::showCells);
    connect(&m_match, &match::Match::newGameStarted, this, &Form1::showCells);
    connect(&m_match, &match::Match::hintChanged, this, &Form1::showCells);
    connect(&m_match, &match::Match::dropEnded, this, &Form1::CheckVictory);
    connect(&m_match, &match::Match::refused, this, &Form1::DoBeep);
    // «Nouveau jeu» gives a game against the computer up in one click: a note beside the board
    // says so, as the narrator does.
    connect(&m_match, &match::Match::gameGivenUp, this, [this](game::Level level) {
        if (!m_givenUpNote)
            m_givenUpNote = new BoardNote(*this);
        m_givenUpNote->say(GivenUpAnnouncement(level), false);
    });
    connectCommands();
    connect(&m_commands->readBoard, &QAction::triggered, m_narrator, &Narrator::readBoard);
    connect(&m_commands->repeat, &QAction::triggered, m_narrator, &Narrator::repeat);
    connect(m_commands, &Commands::scoreReset, m_narrator, &Narrator::scoreReset);
    connect(m_commands, &Commands::hintPutOut, m_narrator, &Narrator::hintPutOut);
    // The computer's opening waits for the window to be read, so that a screen reader says it is
    // the computer's turn before it says it is the player's.
    m_match.hold();
    runtime::WhenFirstActive(*this, std::chrono::seconds(1), [this] { m_match.resume(); });

    if (layout::Window.centreOnScreen)
        runtime::CentreOnScreen(*this);
}

// The window's end moves the focus off its arrows, whose light needs what is already gone.
Form1::~Form1() {
    imgFleche.forEach([this](ImageControl& arrow) { arrow.disconnect(this); });
}

void Form1::createStoredControls() {
    setWindowTitle(resources::ToQString(layout::Window.caption));
    setFont(resources::FontFor(layout::Window.font));
    // Where no mask cuts the outline, the corners are left transparent instead.
    if (runtime::CompositorPlacesWindows())
        setAttribute(Qt::WA_TranslucentBackground);
    else
        setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    new runtime::WindowDrag(*this, {[this](const MouseState& state) { Form_MouseDown(state); },
                                    [this](const MouseState& state) { Form_MouseMove(state); },
                                    [this](const MouseState& state) { Form_MouseUp(state); }});
    resize(runtime::TwipsToPixels(layout::Window.clientWidth, layout::Window.clientHeight));

    // The board's first sight needs only the empty cell and the plain arrow: the hidden
    // holders of the pieces and of the lit arrow decode theirs when play first asks for them.
    const auto image = [this](const resources::ImageLayout& stored) {
        auto* control = new ImageControl(this, stored.index, stored.rect, stored.visible);
        if (!stored.picture)
            return control;
        if (shownAtStart(*stored.picture))
            control->setPicture(resources::LoadPicture(*stored.picture));
        else
            control->setPictureLoader(
                [picture = *stored.picture] { return resources::LoadPicture(picture); });
        return control;
    };

    FlatBttn1 = runtime::ControlArray<resources::FlatBttn>([this](resources::FlatBttn& button) {
        connect(&button, &resources::FlatBttn::IndexedClick, this, &Form1::FlatBttn1_Click);
        connect(&button, &resources::FlatBttn::IndexedMouseMove, this, &Form1::FlatBttn1_MouseMove);
    });
    // The keyboard visits the buttons in their stored tab order and starts on the first.
    std::array<resources::FlatBttn*, layout::FlatBttn1.size()> tabOrder{};
    for (const resources::FlatButtonLayout& stored : layout::FlatBttn1) {
        auto* button = new resources::FlatBttn(this, stored);
        FlatBttn1.add(*stored.index, button);
        tabOrder.at(static_cast<std::size_t>(stored.tabIndex)) = button;
    }
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    tabOrder.front()->setFocus();

    imgFleche = runtime::ControlArray<ImageControl>([this](ImageControl& arrow) {
        connect(&arrow, &ImageControl::Click, this, &Form1::imgFleche_Click);
        connect(&arrow, &ImageControl::MouseMove, this, &Form1::imgFleche_MouseMove);
        connect(&arrow, &ImageControl::GotFocus, this, &Form1::imgFleche_GotFocus);
        connect(&arrow, &ImageControl::LostFocus, this, &Form1::imgFleche_LostFocus);
    });
    imgFleche.add(0, image(layout::imgFleche0));
    imgCube = runtime::ControlArray<ImageControl>([this](ImageControl& cell) {
        connect(&cell, &ImageControl::Click, this, &Form1::imgCube_Click);
        connect(&cell, &ImageControl::MouseMove, this, &Form1::imgCube_MouseMove);
    });
    imgCube.add(0, image(layout::imgCube0));
    for (const resources::ImageLayout& stored : layout::BaseCube)
        BaseCube.add(stored.index, image(stored));
    for (const resources::ImageLayout& stored : layout::Fleche)
        Fleche.add(stored.index, image(stored));
}

void Form1::Form_Load() {

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
    const QSize corner = runtime::DesignSizeOnScreen(QSizeF(CornerEllipse, CornerEllipse));
    setMask(
        runtime::RoundRectRegion(pixels.width(), pixels.height(), corner.width(), corner.height()));
}

void Form1::DoBeep() {
    Q_EMIT beeped();
}

void Form1::imgFleche_Click(std::int16_t Index) {
    m_match.drop(Index);
}

void Form1::imgCube_Click(std::int16_t Index) {
    m_match.dropAtCell(Index);
}

void Form1::imgFleche_MouseMove(std::int16_t Index, const MouseState&) {
    ResetArrows();
    imgFleche[Index].setPicture(Fleche[0].picture());
}

void Form1::imgCube_MouseMove(std::int16_t Index, const MouseState&) {
    ResetArrows();
    if (m_match.game().IsPlayable(Index))
        imgFleche[game::ColumnOf(Index)].setPicture(Fleche[0].picture());
}

// Every arrow as no pointer lights it.
void Form1::ResetArrows() {
    imgFleche.forEach([this](ImageControl& arrow) { showArrow(arrow.index()); });
}

// Besides the pointer, the keyboard's focus lights an arrow; a mouse player never gives an arrow
// the focus and never sees that light.
void Form1::showArrow(int column) {
    const bool lit = m_boardKeys && column == m_boardKeys->focusedColumn();
    imgFleche[column].setPicture(Fleche[lit ? 0 : 1].picture());
}

// Only the cells whose picture changed are painted again. A hint shows a ring of the player to
// move where the advised piece would land; a game against the computer marks some pieces.
void Form1::showCells() {
    const game::Game& game = m_match.game();
    const int hinted = m_match.hint() ? game.LandingCell(*m_match.hint()) : -1;
    imgCube.forEach([&](ImageControl& cell) {
        if (cell.index() == hinted)
            cell.setPicture(resources::LoadPicture(game.CurrentPlayer() == 0
                                                       ? resources::Picture::YellowHint
                                                       : resources::Picture::RedHint));
        else if (const auto marked = m_computerGame->pictureOf(cell.index()))
            cell.setPicture(resources::LoadPicture(*marked));
        else
            cell.setPicture(BaseCube[game.Board()[cell.index()]].picture());
    });
}

void Form1::imgFleche_GotFocus(std::int16_t Index) {
    showArrow(Index);
}

void Form1::imgFleche_LostFocus(std::int16_t Index) {
    showArrow(Index);
}

// Between two players, after every drop that leaves a line; a game against the computer ends
// with a message of its own.
void Form1::CheckVictory() {
    if (m_match.computerPlayer())
        return;
    if (const auto line = game::FindWinningLine(m_match.game().Board()))
        ShowWinner(line->player);
}

// One text, which another language says in its own words; the French one keeps its German half.
QString Form1::WinText(std::int16_t n) {
    return tr("Le joueur %1 a gagné! - Der Spieler %1 hat gewonnen !", "%1 is 1 or 2").arg(n);
}

void Form1::ShowWinner(std::int16_t n) {
    runtime::CentredMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(),
                                   WinText(n), QMessageBox::Ok, this);
    m_narrator->nameResult(&box);
    m_match.hold();
    box.exec();
    m_match.resume();
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
    m_match.newGame();
}

void Form1::ShowAbout() {
    setEnabled(false);
    m_match.hold();
    if (!m_about) {
        m_about = std::make_unique<about::frmSplash>();
        connect(m_about.get(), &about::frmSplash::Unloaded, this, [this] {
            setEnabled(true);
            FlatBttn1[AboutButton].setFocus(); // where the keyboard left off
            m_match.resume();
        });
        new runtime::KeepInFront(*m_about, *this);
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
    // Without a mask that cuts it, the outline is cut here: outside it the window stays clear.
    if (testAttribute(Qt::WA_TranslucentBackground))
        painter.setClipRegion(mask());
    painter.fillRect(rect(), resources::ToColor(layout::Window.backColour));
    // The window repaints itself only when it is shown and when the about window disables or
    // enables it: decoding the small picture then costs less than keeping its 440 KB of
    // pixels for the whole game.
    runtime::DrawWindowPicture(painter, resources::LoadPicture(layout::Window.picture));
}

void Form1::keyPressEvent(QKeyEvent* event) {
    if (m_boardKeys->handleKey(*event)) {
        event->accept();
    } else if (event->key() == Qt::Key_A && event->modifiers() == Qt::NoModifier &&
               !m_commands->analyse.isEnabled()) {
        // The analysis's key, while there is no move to analyse, is answered all the same.
        event->accept();
        DoBeep();
        m_narrator->nothingToAnalyse();
    } else {
        QWidget::keyPressEvent(event);
    }
}

QRect Form1::boardOnScreen() const {
    QRect board;
    for (const auto* controls : {&imgFleche, &imgCube})
        for (int index = 0; index <= controls->ubound(); ++index)
            board |= (*controls)[index].geometry();
    return QRect(mapToGlobal(board.topLeft()), board.size());
}

// The menu's commands that are the window's; the others are the match's.
void Form1::connectCommands() {
    m_commands = new Commands(*this, m_match);
    auto* sideWindows = new SideWindows(*this, m_match, [this] { return boardOnScreen(); });
    connect(&m_commands->help, &QAction::triggered, sideWindows, &SideWindows::showHelp);
    connect(&m_commands->analyse, &QAction::triggered, sideWindows, &SideWindows::showAnalysis);
    connect(&m_commands->newGame, &QAction::triggered, this,
            [this] { FlatBttn1_Click(NewGameButton); });
    connect(&m_commands->about, &QAction::triggered, this,
            [this] { FlatBttn1_Click(AboutButton); });
    connect(&m_commands->quit, &QAction::triggered, this, [this] { FlatBttn1_Click(QuitButton); });
    new runtime::ClickMenu(
        *this, [this](const QPoint& at, bool byKeyboard) { m_commands->openMenu(at, byKeyboard); });
    connect(m_commands, &Commands::menuOpening, new MenuHint(*this), &MenuHint::menuOpened);
    // The button does nothing, as it always did; hovering it, as a newcomer looking for help
    // would, tells where help is, and where the game against the computer is.
    FlatBttn1[HelpButton].setToolTip(
        tr("Clic droit : le menu, pour jouer seul contre l'ordinateur. F1 : l'aide."));
}

void Form1::closeEvent(QCloseEvent* event) {
    // A window manager's close ends the program as "Quitter" does, about window or not.
    event->accept();
    QCoreApplication::exit(0);
}

} // namespace quatrelle::main_window
