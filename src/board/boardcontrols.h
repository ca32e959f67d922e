#pragma once

#include "game/componentflags.h"

#include <array>

class QAction;
class QLineEdit;
class QTimer;
class QWidget;

namespace zub {

class BevelPanel;
class BitBtn;
class BoardLabel;
class ClickAreaControl;
class ImageControl;

// The controls of the board that the rules' flags drive, looked up by name once the window is built.
// The window owns them all through Qt parenthood; this only points at them.
struct BoardControls
{
    QWidget* clientArea = nullptr;
    BevelPanel* BackPanel = nullptr;

    std::array<ClickAreaControl*, kTileCount> tileButtons{}; // AButton .. ZButton
    std::array<ImageControl*, kTileCount> tilePictures{};    // APic .. ZPic
    ClickAreaControl* NewWordClick = nullptr;
    ImageControl* NewWordPic = nullptr;

    ImageControl* HangmanPic = nullptr;
    ImageControl* SwitchPosPic = nullptr;
    ImageControl* HighScoreImage = nullptr;

    BoardLabel* ScorePointsLabel = nullptr;
    BoardLabel* HighestScoreLabel = nullptr;
    BoardLabel* Dashes = nullptr;
    std::array<BoardLabel*, kLetterSlotCount> Letter{}; // Letter1 .. Letter13
    std::array<BoardLabel*, 2 * kRankCount> HSLabel{};  // HSLabel1 .. HSLabel20

    BevelPanel* MovieScreen = nullptr;
    BevelPanel* EnterNamePanel = nullptr;
    BevelPanel* WellDonePanel = nullptr;
    BevelPanel* GameOverPanel = nullptr;
    BevelPanel* AboutPanel = nullptr;

    QLineEdit* NameText = nullptr;
    BitBtn* NameOkButton = nullptr;
    BitBtn* BitBtn1 = nullptr;
    BitBtn* BitBtn2 = nullptr;

    QAction* Exit2 = nullptr;
    QAction* Hints1 = nullptr; // the Level menu as a whole
    QAction* N10001 = nullptr;
    QAction* N20001 = nullptr;
    QAction* EnableHints1 = nullptr;
    QAction* EnablePictures1 = nullptr;
    QAction* EnableBoth1 = nullptr;

    QTimer* GameOverTimer = nullptr;
    QTimer* WinTimer = nullptr;
    QTimer* Timer1 = nullptr;
};

} // namespace zub
