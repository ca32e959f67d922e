#include "board/windowdefinition.h"

#include "game/boardgeometry.h"
#include "game/game.h"
#include "game/tiles.h"

namespace zub {

namespace {

constexpr TextStyle kScoreFont{BoardTypeface::SansSerif, 32, true, NamedColor::clMaroon};
constexpr TextStyle kLetterFont{BoardTypeface::ArialNarrow, 32, true, NamedColor::clMaroon};
constexpr TextStyle kRankFont{BoardTypeface::Arial, 27, true, NamedColor::clMaroon};
constexpr TextStyle kHighScoreFont{BoardTypeface::Arial, 27, true, NamedColor::clWindowText};

const QString kClient;                                   // the window's client area
const QString kBack = QStringLiteral("BackPanel");       // carries the whole board
const QString kRankPanel = QStringLiteral("Panel1");     // the rows of the high-score table
const QString kWordPanelName = QStringLiteral("Panel3"); // the word row
const QString kEnterName = QStringLiteral("EnterNamePanel");
const QString kGameOver = QStringLiteral("GameOverPanel");

// The flag of element `index` of an array of flags.
template <typename Flag, std::size_t N>
FlagOf<Flag> element(std::array<Flag, N> ComponentFlags::*array, int index)
{
    return [array, index](const ComponentFlags& flags) -> const Flag& { return (flags.*array)[index]; };
}

ControlDef panel(const QString& name, const QString& parent, QRect bounds, NamedColor color, Bevel outer,
                 Bevel inner, int bevelWidth, ShownFlag shows = {})
{
    return {.kind = ControlKind::Panel,
            .name = name,
            .parent = parent,
            .bounds = bounds,
            .shows = std::move(shows),
            .color = color,
            .bevelOuter = outer,
            .bevelInner = inner,
            .bevelWidth = bevelWidth};
}

// A label at `pos`; one that shows a flag takes its Left from it.
ControlDef label(const QString& name, const QString& parent, QPoint pos, TextStyle font, ShownFlag shows,
                 NamedColor background = NamedColor::ParentColor)
{
    return {.kind = ControlKind::Label,
            .name = name,
            .parent = parent,
            .bounds = QRect(pos, QSize()),
            .shows = std::move(shows),
            .color = background,
            .font = font};
}

ControlDef image(const QString& name, const QString& parent, QRect bounds, const QString& picture,
                 PictureFit fit, ShownFlag shows = {})
{
    return {.kind = ControlKind::Image,
            .name = name,
            .parent = parent,
            .bounds = bounds,
            .shows = std::move(shows),
            .picture = picture,
            .fit = fit};
}

ControlDef clickArea(const QString& name, QRect bounds, GameHandler onClick, FlagOf<ClickArea> shows)
{
    return {.kind = ControlKind::ClickArea,
            .name = name,
            .parent = kBack,
            .bounds = bounds,
            .shows = std::move(shows),
            .onClick = onClick};
}

ControlDef okButton(const QString& name, const QString& parent, QRect bounds, TextStyle font,
                    GameHandler onClick)
{
    return {.kind = ControlKind::BitBtn,
            .name = name,
            .parent = parent,
            .bounds = bounds,
            .font = font,
            .caption = QStringLiteral("OK"),
            .picture = QStringLiteral("Glyph"),
            .onClick = onClick};
}

// The handlers of AButton .. ZButton, in the order of kTiles.
constexpr std::array<GameHandler, kTileCount> kTileHandlers{
    &Game::AButtonClick, &Game::BButtonClick, &Game::CButtonClick, &Game::DButtonClick, &Game::EButtonClick,
    &Game::FButtonClick, &Game::GButtonClick, &Game::HButtonClick, &Game::IButtonClick, &Game::JButtonClick,
    &Game::KButtonClick, &Game::LButtonClick, &Game::MButtonClick, &Game::NButtonClick, &Game::oButtonClick,
    &Game::PButtonClick, &Game::QButtonClick, &Game::RButtonClick, &Game::SButtonClick, &Game::tButtonClick,
    &Game::UButtonClick, &Game::VButtonClick, &Game::WButtonClick, &Game::XButtonClick, &Game::YButtonClick,
    &Game::ZButtonClick,
};

// The used-tile pictures of kTiles[first] up to kTiles[last - 1].
std::vector<ControlDef> usedTilePictures(int first, int last)
{
    std::vector<ControlDef> pictures;
    for (int i = first; i < last; ++i) {
        const QString name = kTiles[i].Pic.toString();
        pictures.push_back(image(name, kBack, kTiles[i].PicArea(), name, PictureFit::AutoSize,
                                 FlagOf<Picture>([i](const ComponentFlags& flags) -> const Picture& {
                                     return flags.Tiles[i].Pic;
                                 })));
    }
    return pictures;
}

std::vector<ControlDef> tileButtons()
{
    std::vector<ControlDef> buttons;
    for (int i = 0; i < kTileCount; ++i)
        buttons.push_back(clickArea(
            kTiles[i].Button.toString(), kTiles[i].ButtonArea, kTileHandlers[i],
            [i](const ComponentFlags& flags) -> const ClickArea& { return flags.Tiles[i].Button; }));
    return buttons;
}

// Letter1 .. Letter13; each new word moves them to their Lefts.
std::vector<ControlDef> letterSlots()
{
    std::vector<ControlDef> slots;
    for (int n = 1; n <= kLetterSlotCount; ++n)
        slots.push_back(label(QStringLiteral("Letter%1").arg(n), kWordPanelName, {0, kLetterTop}, kLetterFont,
                              element(&ComponentFlags::Letter, n - 1)));
    return slots;
}

// The ten rows of the high-score table, 30 pixels apart: the rank, the name at Left 70 and the score at 465.
std::vector<ControlDef> highScoreRows()
{
    std::vector<ControlDef> rows;
    for (int k = 1; k <= kRankCount; ++k) {
        rows.push_back(label(QStringLiteral("Label%1").arg(k), kRankPanel,
                             {k < 10 ? 24 : 10, 5 + 30 * (k - 1)}, kRankFont, {}));
        rows.back().caption = QString::number(k);
    }
    for (int n = 1; n <= 2 * kRankCount; ++n)
        rows.push_back(label(QStringLiteral("HSLabel%1").arg(n), kRankPanel,
                             {n % 2 == 1 ? 70 : 465, 5 + 30 * ((n - 1) / 2)}, kHighScoreFont,
                             element(&ComponentFlags::HSLabel, n - 1)));
    return rows;
}

std::vector<ControlDef> joined(std::initializer_list<std::vector<ControlDef>> parts)
{
    std::vector<ControlDef> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

std::vector<ControlDef> buildMainControls()
{
    using enum NamedColor;
    using enum Bevel;
    using F = ComponentFlags;
    // In creation order, parents before their children.
    return joined({
        {panel(kBack, kClient, {QPoint(), kBoardSize}, clBlack, Raised, None, 4,
               FlagOf<Place>(&F::BackPanel)),
         image(QStringLiteral("Backdrop"), kBack, kBackdropArea, QStringLiteral("Backdrop"),
               PictureFit::Stretch)},
        usedTilePictures(0, 3),
        {image(QStringLiteral("NewWordPic"), kBack, kNewWordPicture, QStringLiteral("NewWordPic"),
               PictureFit::AutoSize, FlagOf<Picture>(&F::NewWordPic))},
        usedTilePictures(3, kTileCount),
        {clickArea(QStringLiteral("NewWordClick"), kNewWordClick, &Game::NewWordClickClick,
                   &F::NewWordClick)},
        tileButtons(),
        {image(QStringLiteral("SwitchPosPic"), kBack, kSwitchPicture, {}, PictureFit::TopLeft,
               FlagOf<ResourceImage>(&F::SwitchPosPic)),
         image(QStringLiteral("HangmanPic"), kBack, kGallowsPicture, {}, PictureFit::TopLeft,
               FlagOf<ResourceImage>(&F::HangmanPic)),
         panel(QStringLiteral("ScorePanel"), kBack, kScorePanel, clWhite, None, None, 1),
         label(QStringLiteral("ScorePointsLabel"), QStringLiteral("ScorePanel"), {0, 3}, kScoreFont,
               FlagOf<Label>(&F::ScorePointsLabel), clWhite),
         {.kind = ControlKind::Panel,
          .name = QStringLiteral("MovieScreen"),
          .parent = kBack,
          .bounds = kGallowsPicture,
          .shows = FlagOf<Panel>(&F::MovieScreen),
          .color = clWhite,
          .movieOf = Cue::GameOverMovie},
         panel(kWordPanelName, kBack, kWordPanel, clWhite, None, None, 1),
         label(QStringLiteral("Dashes"), kWordPanelName, {0, kDashesTop}, kScoreFont,
               FlagOf<Label>(&F::Dashes))},
        letterSlots(),
        {panel(kEnterName, kBack, {340, 93, 346, 204}, clBtnFace, Raised, Raised, 3,
               FlagOf<Panel>(&F::EnterNamePanel)),
         image(QStringLiteral("Image1"), kEnterName, kNameEntryPicture, QStringLiteral("Image1"),
               PictureFit::Stretch),
         okButton(QStringLiteral("NameOkButton"), kEnterName, kNameOkButton,
                  {BoardTypeface::SansSerif, 19, false, clWindowText}, &Game::NameOkButtonClick),
         {.kind = ControlKind::Edit,
          .name = QStringLiteral("NameText"),
          .parent = kEnterName,
          .bounds = kNameField,
          .shows = FlagOf<QString>(&F::NameText),
          .font = {BoardTypeface::SansSerif, 24, true, clWindowText}},
         panel(QStringLiteral("WellDonePanel"), kBack, {348, 134, 328, 128}, clBtnFace, Raised, None, 1,
               FlagOf<Panel>(&F::WellDonePanel)),
         image(QStringLiteral("Image2"), QStringLiteral("WellDonePanel"), kWellDonePicture,
               QStringLiteral("Image2"), PictureFit::Stretch),
         panel(QStringLiteral("HighScorePanel"), kBack, kBestScorePanel, clWhite, None, None, 1),
         label(QStringLiteral("HighestScoreLabel"), QStringLiteral("HighScorePanel"), {0, 0}, kScoreFont,
               FlagOf<Label>(&F::HighestScoreLabel)),
         panel(kGameOver, kBack, {5, 5, 951, 500}, clWhite, Lowered, None, 1,
               FlagOf<Panel>(&F::GameOverPanel)),
         image(QStringLiteral("HighScoreImage"), kGameOver, {225, 5, 500, 75}, {}, PictureFit::TopLeft,
               FlagOf<ResourceImage>(&F::HighScoreImage)),
         okButton(QStringLiteral("BitBtn1"), kGameOver, {425, 432, 101, 40},
                  {BoardTypeface::SansSerif, 16, true, clWindowText}, &Game::BitBtn1Click),
         panel(kRankPanel, kGameOver, {170, 85, 611, 316}, clCream, Lowered, None, 1)},
        highScoreRows(),
        {panel(QStringLiteral("AboutPanel"), kBack, {345, 125, 311, 251}, clBtnFace, Raised, None, 1,
               FlagOf<Panel>(&F::AboutPanel)),
         image(QStringLiteral("Image3"), QStringLiteral("AboutPanel"), kAboutPicture,
               QStringLiteral("Image3"), PictureFit::AutoSize),
         okButton(QStringLiteral("BitBtn2"), QStringLiteral("AboutPanel"), kAboutOkButton,
                  {BoardTypeface::SansSerif, 13, true, clWindowText}, &Game::BitBtn2Click)},
    });
}

} // namespace

QColor ColorValue(NamedColor color)
{
    switch (color) {
    case NamedColor::clBlack:
    case NamedColor::clWindowText:
        return QColor(0, 0, 0);
    case NamedColor::clWhite:
        return QColor(255, 255, 255);
    case NamedColor::clMaroon:
        return QColor(128, 0, 0);
    case NamedColor::clCream:
        return QColor(255, 251, 240);
    case NamedColor::clBtnFace:
        return QColor(240, 240, 240);
    case NamedColor::ParentColor:
        break;
    }
    return {};
}

bool IsGraphicControl(ControlKind kind)
{
    return kind == ControlKind::Image || kind == ControlKind::ClickArea || kind == ControlKind::Label;
}

const std::vector<ControlDef>& MainControls()
{
    static const std::vector<ControlDef> controls = buildMainControls();
    return controls;
}

const std::vector<MenuDef>& MainMenu()
{
    using F = ComponentFlags;
    static const std::vector<MenuDef> menu{
        // name, caption, the flag it shows, handler
        {"File1",
         "File",
         nullptr,
         {{"Exit1", "New Game", nullptr, &Game::Exit1Click}, {"Exit2", "Exit", nullptr, nullptr}}},
        {"Words1",
         "Words",
         nullptr,
         {{"N10001", "1000+", &F::N10001, &Game::N10001Click},
          {"N20001", "2000+", &F::N20001, &Game::N20001Click}}},
        {"Hints1",
         "Level",
         &F::Hints1,
         {{"EnableHints1", "Easy (10)", &F::EnableHints1, &Game::EnableHints1Click},
          {"EnablePictures1", "Normal (8)", &F::EnablePictures1, &Game::EnablePictures1Click},
          {"EnableBoth1", "Hard (6)", &F::EnableBoth1, &Game::EnableBoth1Click}}},
        {"Highscore1", "Highscore", nullptr, {{"Show1", "Show", nullptr, &Game::Show1Click}}},
        {"Help1", "Help", nullptr, {{"About1", "About", nullptr, &Game::About1Click}}},
    };
    return menu;
}

const std::array<TimerDef, 3>& MainTimers()
{
    static const std::array<TimerDef, 3> timers{{
        {"GameOverTimer", &ComponentFlags::GameOverTimer, &Game::GameOverTimerTimer},
        {"WinTimer", &ComponentFlags::WinTimer, &Game::WinTimerTimer},
        {"Timer1", &ComponentFlags::Timer1, &Game::Timer1Timer},
    }};
    return timers;
}

} // namespace zub
