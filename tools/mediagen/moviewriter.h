#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

namespace zub::mediagen {

// What one movie file is to be: Motion JPEG frames in an AVI file, with an optional PCM soundtrack.
struct MoviePlan
{
    QString path{};    // the AVI file to write
    QSize frameSize{}; // every frame has exactly this size
    int framesPerSecond = 12;
    int frameCount = 0;
    int quality = 5;         // MJPEG quantiser, 2 (best) .. 31 (smallest)
    QString soundtrackWav{}; // a wave file to carry along as 16-bit PCM; empty for a silent movie
};

// The encoder's command line: raw RGB frames on standard input, the movie written to `outputPath`.
QStringList EncoderArguments(const MoviePlan& plan, const QString& outputPath);

// A frame as tightly packed 24-bit RGB rows, top row first, as the encoder reads them.
QByteArray PackRgb24(const QImage& frame);

// Renders every frame of `plan` with `frameAt` (given the frame's time in seconds) and feeds it to the
// encoder `encoderProgram`. The movie is written next to its final name and moved into place only
// when the encoder succeeded, so a failed run never leaves a broken file behind. Throws
// std::runtime_error naming the movie's file on any failure.
void WriteMovie(const QString& encoderProgram, const MoviePlan& plan,
                const std::function<QImage(double)>& frameAt);

} // namespace zub::mediagen
