#include "form1.h"

#include "computer_player.h"
#include "game/position.h"
#include "game/victory.h"
#include "resources/fonts.h"
#include "resources/layouts.h"
#include "resources/pictures.h"
#include "resources/stored_values.h"
#include "runtime/accessible_window.h"
#include "runtime/round_rect_region.h"
#include "runtime/twips.h"
#include "runtime/window_placement.h"
#include "solver_thread.h"
#include "spoken_texts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <utility>

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

// Where the window system really has the window: the pointer's place on the screen less its
// place in the window, both as the window system reported them.
QPoint windowOrigin(const QMouseEvent& event) {
    return (event.globalPosition() - event.position()).toPoint();
}

} // namespace

Form1::Form1(std::optional<int> computerPlayer)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    runtime::ExposeAsWindow(*this);
    createStoredControls();
    Form_Load();
    m_announcer = new runtime::Announcer(this);
    if (computerPlayer) {
        m_computer = new ComputerPlayer(*this, solverThread(), *computerPlayer);
        describeTurn();
    }
    if (layout::Window.centreOnScreen)
        runtime::CentreOnScreen(*this);
}

Form1::~Form1() = default;

void Form1::createStoredControls() {
    setWindowTitle(resources::ToQString(layout::Window.caption));
    setFont(resources::FontFor(layout::Window.font));
    // Where no mask cuts the outline, the corners are left transparent instead.
    if (runtime::CompositorPlacesWindows())
        setAttribute(Qt::WA_TranslucentBackground);
    else
        setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
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
    m_game.NewGame();

    for (std::int16_t i = 1; i <= 6; ++i) {
        ImageControl* arrow = imgFleche.load(i);
        arrow->setTop(imgFleche[0].twips().top);
        arrow->setLeft(imgFleche[i - 1].twips().left + Step);
        arrow->setPicture(Fleche[1].picture());
        arrow->setVisible(true);
    }
    imgFleche[0].setPicture(Fleche[1].picture());
    // The keyboard reaches the board after the buttons, since the arrows are made after them,
    // and finds there the one arrow that takes the focus: Tab leaves the board in one step.
    imgFleche[m_boardColumn].setFocusPolicy(Qt::TabFocus);

    for (std::int16_t i = 1; i <= 34; ++i) {
        ImageControl* cell = imgCube.load(i);
        cell->setVisible(true);
        cell->setLeft(imgCube[0].twips().left + Step * static_cast<float>(game::ColumnOf(i)));
        cell->setTop(imgCube[0].twips().top + Step * static_cast<float>(game::RowOf(i)));
        cell->setPicture(BaseCube[0].picture());
    }
    imgCube[0].setPicture(BaseCube[0].picture());
    describeBoard();

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
    // The player waits for the computer's reply.
    if (computerToMove())
        return;
    dropInto(Index);
}

void Form1::playComputerMove(int column) {
    dropInto(static_cast<std::int16_t>(column));
}

void Form1::dropInto(std::int16_t column) {
    const auto placed = m_game.Drop(column);
    if (!placed) {
        m_announcer->announce(FullColumnAnnouncement(column));
        DoBeep();
        return;
    }
    clearHint();
    imgCube[placed->cell].setPicture(BaseCube[placed->value].picture());
    describeCell(placed->cell);
    describeColumn(column);
    describeTurn();
    // The player never drops while the computer is to move, so a piece of the computer's
    // colour is the computer's.
    const bool computerPlayed = m_computer && m_computer->player() + 1 == placed->value;
    m_announcer->announce(computerPlayed ? ComputerDropAnnouncement(placed->cell)
                                         : DropAnnouncement(*placed, turnText()));
    Q_EMIT turnChanged();
    CheckVictory();
}

void Form1::imgCube_Click(std::int16_t Index) {
    if (computerToMove() || m_game.Board()[Index] != game::Empty)
        return;
    if (m_game.IsFloating(Index)) {
        m_announcer->announce(FloatingCellAnnouncement(Index));
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
    // A hint's light goes out with the rest, and the description says whose turn it is again.
    if (m_hintColumn) {
        m_hintColumn.reset();
        describeTurn();
    }
    imgFleche.forEach([this](ImageControl& arrow) { showArrow(arrow.index()); });
}

// Besides the pointer, a hint and the keyboard's focus light an arrow; a mouse player never
// gives an arrow the focus and never sees that light.
void Form1::showArrow(int column) {
    const bool lit = column == m_hintColumn || column == focusedColumn();
    imgFleche[column].setPicture(Fleche[lit ? 0 : 1].picture());
}

// The column is the board's before its arrow takes the focus, so that the arrow is lit then.
void Form1::focusColumn(int column) {
    const int previous = std::exchange(m_boardColumn, column);
    imgFleche[column].setFocusPolicy(Qt::TabFocus);
    imgFleche[column].setFocus(Qt::OtherFocusReason);
    if (column != previous)
        imgFleche[previous].setFocusPolicy(Qt::NoFocus);
}

std::optional<int> Form1::focusedColumn() const {
    if (imgFleche[m_boardColumn].hasFocus())
        return m_boardColumn;
    return std::nullopt;
}

void Form1::imgFleche_GotFocus(std::int16_t Index) {
    showArrow(Index);
}

void Form1::imgFleche_LostFocus(std::int16_t Index) {
    showArrow(Index);
}

void Form1::describeCell(int cell) {
    imgCube[cell].setAccessibleName(CellName(cell, m_game.Board()[cell]));
}

void Form1::describeColumn(int column) {
    imgFleche[column].setAccessibleName(ColumnName(m_game, column));
}

void Form1::describeBoard() {
    for (int cell = 0; cell < game::CellCount; ++cell)
        describeCell(cell);
    for (int column = 0; column < game::Columns; ++column)
        describeColumn(column);
    describeTurn();
}

// Read with the window, as when it becomes active; moves are announced as they happen.
void Form1::describeTurn() {
    setAccessibleDescription(turnText());
}

QString Form1::turnText() const {
    const int player = m_game.CurrentPlayer();
    return TurnDescription(player, m_computer && m_computer->player() == player);
}

void Form1::CheckVictory() {
    if (const auto line = game::FindWinningLine(m_game.Board()))
        ShowWinner(line->player);
}

void Form1::ShowWinner(std::int16_t n) {
    runtime::CentredMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(),
                                   QString::fromStdString(game::WinText(n)), QMessageBox::Ok, this);
    box.exec();
    Q_EMIT inputReady();
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
    clearHint();
    describeBoard();
    m_announcer->announce(NewGameAnnouncement(turnText()));
    Q_EMIT turnChanged();
}

bool Form1::computerToMove() const {
    return m_computer && m_computer->isToMove();
}

SolverThread& Form1::solverThread() {
    if (!m_solver)
        m_solver = std::make_unique<SolverThread>();
    return *m_solver;
}

void Form1::showHint() {
    if (computerToMove())
        return;
    const game::Position position = game::Position::FromGame(m_game);
    if (position.HasLine() || m_game.MoveCount() >= game::CellCount) {
        DoBeep();
        return;
    }
    solverThread().ask(position, [this](const std::vector<int>& columns) {
        // Of the best columns, the one nearest the centre.
        const int column = *std::min_element(columns.begin(), columns.end(), [](int a, int b) {
            return std::abs(a - game::Columns / 2) < std::abs(b - game::Columns / 2);
        });
        ResetArrows();
        m_hintColumn = column;
        showArrow(column);
        setAccessibleDescription(HintDescription(column));
        m_announcer->announce(HintDescription(column) + u'.');
    });
}

// A hint's light goes out and an unanswered hint is dropped when the board changes.
void Form1::clearHint() {
    if (m_solver)
        m_solver->cancel();
    if (const std::optional<int> hinted = std::exchange(m_hintColumn, std::nullopt))
        showArrow(*hinted);
}

void Form1::takeBack() {
    // Against the computer a player takes back their own move, and the computer's reply to it
    // when there is one; a computer that opened keeps its first move.
    const int moves = m_computer && !computerToMove() ? 2 : 1;
    if (m_game.MoveCount() < moves) {
        DoBeep();
        return;
    }
    for (int i = 0; i < moves; ++i) {
        const auto taken = m_game.TakeBack();
        imgCube[taken->cell].setPicture(BaseCube[0].picture());
        describeCell(taken->cell);
        describeColumn(game::ColumnOf(taken->cell));
    }
    clearHint();
    describeTurn();
    m_announcer->announce(TakeBackAnnouncement(turnText()));
    Q_EMIT turnChanged();
}

bool Form1::handleCommandKey(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const bool control = modifiers == Qt::ControlModifier;
    const auto once = [&event](auto action) {
        if (!event.isAutoRepeat())
            action();
        return true;
    };
    switch (event.key()) {
    case Qt::Key_H:
        if (control || modifiers == Qt::NoModifier)
            return once([this] { showHint(); });
        break;
    case Qt::Key_Z:
        if (control)
            return once([this] { takeBack(); });
        break;
    case Qt::Key_N:
        if (control)
            return once([this] { FlatBttn1_Click(NewGameButton); });
        break;
    case Qt::Key_Q:
        if (control)
            return once([this] { FlatBttn1_Click(QuitButton); });
        break;
    default:
        break;
    }
    return false;
}

void Form1::ShowAbout() {
    setEnabled(false);
    if (!m_about) {
        m_about = std::make_unique<about::frmSplash>();
        connect(m_about.get(), &about::frmSplash::Unloaded, this, [this] {
            setEnabled(true);
            FlatBttn1[AboutButton].setFocus(); // where the keyboard left off
            Q_EMIT inputReady();
        });
        // Transient for the main window, the about window stays in front of it under every
        // window manager and compositor that honours the hint; it still has no owner widget,
        // which would disable it together with the main window.
        m_about->winId();
        m_about->windowHandle()->setTransientParent(windowHandle());
        // For those that do not, a click on the disabled main window or its activation brings
        // the about window back in front.
        windowHandle()->installEventFilter(this);
    }
    m_about->Show();
}

void Form1::bringAboutForward() {
    m_about->raise();
    m_about->activateWindow();
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && !isEnabled() && m_about && m_about->isLoaded() &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::FocusIn))
        bringAboutForward();
    return QWidget::eventFilter(watched, event);
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
    if (!m_sinceFirstMove.isValid())
        m_sinceFirstMove.start();
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

bool Form1::handleBoardKey(const QKeyEvent& event) {
    const auto column = focusedColumn();
    if (!column || (event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    switch (event.key()) {
    case Qt::Key_Left:
        focusColumn(std::max(*column - 1, 0));
        return true;
    case Qt::Key_Right:
        focusColumn(std::min(*column + 1, game::Columns - 1));
        return true;
    case Qt::Key_Home:
        focusColumn(0);
        return true;
    case Qt::Key_End:
        focusColumn(game::Columns - 1);
        return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
        if (!event.isAutoRepeat())
            imgFleche_Click(static_cast<std::int16_t>(*column));
        return true;
    default:
        return false;
    }
}

void Form1::keyPressEvent(QKeyEvent* event) {
    if (handleCommandKey(*event) || handleBoardKey(*event)) {
        event->accept();
        return;
    }
    // The digits of the main row and of the keypad drop into columns 1 to 7, as the arrows do.
    // Shift is allowed, since French keyboards type the main row's digits with it; Control, Alt
    // and Meta with a digit belong to the desktop.
    const int column = event->key() - Qt::Key_1;
    const bool plain =
        (event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == Qt::NoModifier;
    if (plain && game::IsValidColumn(column)) {
        event->accept();
        if (!event->isAutoRepeat())
            imgFleche_Click(static_cast<std::int16_t>(column));
        return;
    }
    QWidget::keyPressEvent(event);
}

void Form1::mousePressEvent(QMouseEvent* event) {
    if (runtime::CompositorPlacesWindows() && windowHandle()) {
        windowHandle()->startSystemMove();
        return;
    }
    Form_MouseDown(runtime::MouseStateOf(*event));
    m_dragOrigin = windowOrigin(*event);
    m_sinceFirstMove.invalidate();
    m_moveWatch.restart();
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
    // A window manager that ignores the program's moves (Xwayland under some compositors)
    // leaves the window where the drag found it: the system's own move takes over.
    if (IsDragging != 0 && m_sinceFirstMove.isValid() &&
        m_moveWatch.ignored(windowOrigin(*event) == m_dragOrigin, m_sinceFirstMove.elapsed()) &&
        windowHandle() && windowHandle()->startSystemMove()) {
        IsDragging = 0;
        return;
    }
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
