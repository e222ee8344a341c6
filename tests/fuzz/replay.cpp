// Runs the fuzzer's checks once over each input of a corpus folder, without libFuzzer: the seeds
// are checked by every build, the Windows one under Wine included, not only by clang's.
// Usage: fuzz_corpus FOLDER   (a failed check aborts, naming the property and the input)

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size);

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_corpus FOLDER\n");
        return 2;
    }
    const QDir corpus(QString::fromLocal8Bit(argv[1]));
    const QStringList names = corpus.entryList(QDir::Files, QDir::Name);
    if (names.isEmpty()) {
        std::fprintf(stderr, "fuzz_corpus: no inputs in %s\n", argv[1]);
        return 1;
    }
    for (const QString &name : names) {
        QFile file(corpus.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "fuzz_corpus: cannot read %s\n", qPrintable(file.fileName()));
            return 1;
        }
        const QByteArray input = file.readAll();
        std::fprintf(stderr, "%s\n", qPrintable(name));
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t *>(input.constData()),
                               std::size_t(input.size()));
    }
    std::printf("fuzz_corpus: every check held on %lld inputs\n",
                static_cast<long long>(names.size()));
    return 0;
}
