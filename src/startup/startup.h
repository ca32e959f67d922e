#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace zub {

class Application;
class DataPaths;

// Builds the program's windows with Application::CreateForm, the main window of the loop first.
using FormBuilder = std::function<void(Application& application)>;

// The entry point's steps under one error guard: Initialize, build the windows, Run. An error on the
// way is shown once by ShowException; a window that fails to build ends the program before any window
// is shown. The windows are destroyed before the function returns. The result is always 0.
int RunApplication(Application& application, const FormBuilder& buildForms);

// Builds the game's two windows: the intro, which is the main window, then the hidden board, and lets the
// intro hand over to the board. The media files are checked first, so a missing one stops the start
// before a window is built. introBuilt, when given, runs between the two: the game shows the intro there.
void CreateGameForms(Application& application, const DataPaths& data, const QString& userHighScores,
                     const std::function<void(QWidget& intro)>& introBuilt = {});

// The whole game with the data folder and the player's own high-score file.
int RunGame(Application& application, const DataPaths& data, const QString& userHighScores);

} // namespace zub
