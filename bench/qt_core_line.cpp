// The reference of fortunix-atlas's whole-process figures (bench/atlas_process.sh): a Qt Core
// program that starts as fortunix-atlas does, prints one line and ends.
#include <QCoreApplication>
#include <QString>
#include <cstdio>

int main(int argc, char* argv[]) {
    const QCoreApplication application(argc, argv);
    const QByteArray line = QStringLiteral("place\tdivision\tcountry\n").toUtf8();
    std::fwrite(line.constData(), 1, std::size_t(line.size()), stdout);
    return 0;
}
