// Runs a fuzz target over saved inputs, as libFuzzer does when it is given files: every file in the
// folders named on the command line, in name order. Each file's name is printed before it runs, so the
// last name printed before a failed check is the input that failed it.
#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdio>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main(int argc, char** argv)
{
    int runs = 0;
    for (int i = 1; i < argc; ++i) {
        const QDir folder(QString::fromLocal8Bit(argv[i]));
        for (const QFileInfo& input : folder.entryInfoList(QDir::Files, QDir::Name)) {
            QFile file(input.filePath());
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(input.filePath()));
                return 1;
            }
            const QByteArray bytes = file.readAll();
            // A buffer of exactly the input's size, so a read past its end is one past the allocation.
            const std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
            std::printf("%s\n", qPrintable(input.fileName()));
            std::fflush(stdout);
            LLVMFuzzerTestOneInput(data.data(), data.size());
            ++runs;
        }
    }
    std::printf("%d inputs passed\n", runs);
    return runs > 0 ? 0 : 1;
}
