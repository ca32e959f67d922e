#include "moviewriter.h"

#include <QFile>
#include <QProcess>
#include <stdexcept>

namespace zub::mediagen {

namespace {

[[noreturn]] void fail(const MoviePlan& plan, const QString& reason)
{
    throw std::runtime_error("cannot write " + plan.path.toStdString() + ": " + reason.toStdString());
}

} // namespace

QStringList EncoderArguments(const MoviePlan& plan, const QString& outputPath)
{
    QStringList arguments{QStringLiteral("-hide_banner"),
                          QStringLiteral("-loglevel"),
                          QStringLiteral("error"),
                          QStringLiteral("-y"),
                          QStringLiteral("-f"),
                          QStringLiteral("rawvideo"),
                          QStringLiteral("-pix_fmt"),
                          QStringLiteral("rgb24"),
                          QStringLiteral("-video_size"),
                          QStringLiteral("%1x%2").arg(plan.frameSize.width()).arg(plan.frameSize.height()),
                          QStringLiteral("-framerate"),
                          QString::number(plan.framesPerSecond),
                          QStringLiteral("-i"),
                          QStringLiteral("pipe:0")};
    if (!plan.soundtrackWav.isEmpty()) {
        arguments << QStringLiteral("-i") << plan.soundtrackWav;
    }
    arguments << QStringLiteral("-map") << QStringLiteral("0:v");
    if (!plan.soundtrackWav.isEmpty()) {
        arguments << QStringLiteral("-map") << QStringLiteral("1:a") << QStringLiteral("-c:a")
                  << QStringLiteral("pcm_s16le");
    }
    // Full-range 4:2:0 JPEG frames; bit-exact output so that the same frames give the same file.
    arguments << QStringLiteral("-c:v") << QStringLiteral("mjpeg") << QStringLiteral("-q:v")
              << QString::number(plan.quality) << QStringLiteral("-pix_fmt") << QStringLiteral("yuvj420p")
              << QStringLiteral("-fflags") << QStringLiteral("+bitexact") << QStringLiteral("-flags")
              << QStringLiteral("+bitexact") << QStringLiteral("-f") << QStringLiteral("avi") << outputPath;
    return arguments;
}

QByteArray PackRgb24(const QImage& frame)
{
    const QImage rgb = frame.convertToFormat(QImage::Format_RGB888);
    const int rowBytes = rgb.width() * 3;
    QByteArray packed;
    packed.reserve(rowBytes * rgb.height());
    for (int y = 0; y < rgb.height(); ++y) {
        packed.append(reinterpret_cast<const char*>(rgb.constScanLine(y)), rowBytes);
    }
    return packed;
}

void WriteMovie(const QString& encoderProgram, const MoviePlan& plan,
                const std::function<QImage(double)>& frameAt)
{
    const QString partPath = plan.path + QStringLiteral(".part");
    QFile::remove(partPath);
    QProcess encoder;
    encoder.setProcessChannelMode(QProcess::SeparateChannels);
    encoder.start(encoderProgram, EncoderArguments(plan, partPath));
    if (!encoder.waitForStarted()) {
        fail(plan, QStringLiteral("cannot start %1: %2").arg(encoderProgram, encoder.errorString()));
    }
    for (int index = 0; index < plan.frameCount; ++index) {
        const QImage frame = frameAt(double(index) / plan.framesPerSecond);
        if (frame.size() != plan.frameSize) {
            encoder.kill();
            encoder.waitForFinished();
            QFile::remove(partPath);
            fail(plan, QStringLiteral("frame %1 has the wrong size").arg(index));
        }
        encoder.write(PackRgb24(frame));
        while (encoder.bytesToWrite() > 0 && encoder.state() == QProcess::Running) {
            encoder.waitForBytesWritten(1000);
        }
        if (encoder.state() != QProcess::Running) {
            break;
        }
    }
    encoder.closeWriteChannel();
    encoder.waitForFinished(-1);
    if (encoder.exitStatus() != QProcess::NormalExit || encoder.exitCode() != 0) {
        QFile::remove(partPath);
        fail(plan, QStringLiteral("the encoder failed: %1")
                       .arg(QString::fromLocal8Bit(encoder.readAllStandardError()).trimmed()));
    }
    QFile::remove(plan.path);
    if (!QFile::rename(partPath, plan.path)) {
        fail(plan, QStringLiteral("cannot move %1 into place").arg(partPath));
    }
}

} // namespace zub::mediagen
