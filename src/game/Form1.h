#pragma once

#include "Controls.h"
#include "GameState.h"
#include "Sounds.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class Board;
class Form3;
class Platform;
class Spinner;
class SquareDispatch;
class Stages;
class WindowButtons;

// The main window: creates the controls and the two timers, owns the game state and the
// subsystems, and wires widget events and timer ticks to them. It also runs start-up,
// shutdown, level loading and the step to the next level.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(Platform &platform, QWidget *parent = nullptr);
    ~Form1() override;

    GameState &state() { return state_; }
    Controls &controls() { return controls_; }
    Board &board() { return *board_; }
    Spinner &spinner() { return *spinner_; }
    SquareDispatch &dispatch() { return *dispatch_; }
    Stages &stages() { return *stages_; }
    WindowButtons &buttons() { return *buttons_; }
    // The help window while it is open, else null.
    Form3 *helpWindow() const;

    // Loads the current level: scene, tables, and its narration started in the background.
    void loadLevel();
    // After the kitten has passed the last square: the next level, or the end scene.
    void advanceLevel();
    // A click on the board while no stage has been opened in the level restarts the level's
    // narration and arms the spinner.
    void Pic1_MouseDown();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createBoardControls();
    void createSubsystems();
    void wireEvents();
    void wireWordStages();
    void openHelp();
    void Form_Load();
    void Form_Unload();

    Platform &platform_;
    GameState state_;
    Sounds sounds_;
    Controls controls_;
    std::unique_ptr<Board> board_;
    std::unique_ptr<WindowButtons> buttons_;
    std::unique_ptr<Stages> stages_;
    std::unique_ptr<Spinner> spinner_;
    std::unique_ptr<SquareDispatch> dispatch_;
    QPointer<Form3> help_;
};
