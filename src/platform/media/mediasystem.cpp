#include "platform/media/mediasystem.h"

#include <QAudioDevice>
#include <QByteArray>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <cstring>

namespace zub {

namespace {

Q_LOGGING_CATEGORY(lcSound, "zub.sound", QtInfoMsg)

// Keeps the JACK sink out of the media system's automatic choice of an audio output. On a machine with
// no sound server and no sound card that choice falls through to JACK, whose client library can block
// forever on a lock left behind by a process that was killed while holding it: the game would hang at its
// first movie instead of running silently. An explicit ranking in the environment is kept and extended.
void keepJackOut()
{
    QByteArray ranks = qgetenv("GST_PLUGIN_FEATURE_RANK");
    if (!ranks.contains("jackaudiosink")) {
        if (!ranks.isEmpty())
            ranks += ',';
        qputenv("GST_PLUGIN_FEATURE_RANK", ranks + "jackaudiosink:NONE");
    }
}

QLoggingCategory::CategoryFilter g_previousFilter = nullptr;
bool g_quietWarnings = false;

// The media system warns about a missing sound server once per player and per sound, in its own
// categories and in the unnamed one; the game has said it once already.
void quietMediaWarnings(QLoggingCategory* category)
{
    if (g_previousFilter)
        g_previousFilter(category);
    const char* name = category->categoryName();
    if (g_quietWarnings &&
        (std::strncmp(name, "qt.multimedia", 13) == 0 || std::strcmp(name, "default") == 0))
        category->setEnabled(QtWarningMsg, false);
}

void setQuietWarnings(bool quiet)
{
    g_quietWarnings = quiet;
    QLoggingCategory::installFilter(quietMediaWarnings); // applies the filter to every category again
}

} // namespace

void PrepareMediaSystem()
{
    static const bool prepared = [] {
        keepJackOut();
        g_previousFilter = QLoggingCategory::installFilter(quietMediaWarnings);
        setQuietWarnings(true);
        return true;
    }();
    (void)prepared;
}

bool SoundDeviceAvailable()
{
    static const bool available = [] {
        PrepareMediaSystem();
        const bool found = !QMediaDevices::audioOutputs().isEmpty();
        setQuietWarnings(!found);
        if (!found)
            qCInfo(lcSound, "No sound device found: the game plays without sound.");
        return found;
    }();
    return available;
}

} // namespace zub
