// The program's entry point: the intro, then the board, until the player closes it.

#include "assets/datapaths.h"
#include "startup/application.h"
#include "startup/commandline.h"
#include "startup/startup.h"

int main(int argc, char* argv[])
{
    if (const std::optional<int> status = zub::AnswerCommandLine(argc, argv))
        return *status;
    std::optional<zub::UnreachableDisplayGuard> displayGuard(std::in_place);
    zub::Application application(argc, argv);
    displayGuard.reset();
    // The data folder is fixed when the program is built; a test build points it at its own folder.
    const zub::DataPaths data(QStringLiteral(ZUB_GAME_DATA_DIR));
    return zub::RunGame(application, data, zub::DataPaths::userHighScores());
}
