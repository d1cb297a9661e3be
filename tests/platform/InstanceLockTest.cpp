#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

// Runs copies of the probe, which takes the same lock as the program, in separate
// processes. Every copy gets a private runtime folder, so the test neither meets a real
// Fortunix nor another run of this test.
class InstanceLock : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(runtimeFolder.isValid());
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeFolder.path());
        environment.insert(QStringLiteral("TMPDIR"), runtimeFolder.path());
    }

    void TearDown() override {
        for (QProcess* holder : holders) {
            holder->kill();
            holder->waitForFinished(5000);
            delete holder;
        }
    }

    // Starts a copy that keeps the lock if it gets it; returns its first line.
    QString StartHolder(const QString& program) {
        auto* process = new QProcess;
        holders.append(process);
        process->setProcessEnvironment(environment);
        process->start(program, {QStringLiteral("hold")});
        if (!process->waitForReadyRead(10000)) {
            return QStringLiteral("(no answer)");
        }
        return QString::fromLatin1(process->readLine()).trimmed();
    }

    QString RunOnce(const QString& program) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, {});
        if (!process.waitForFinished(10000)) {
            return QStringLiteral("(no answer)");
        }
        return QString::fromLatin1(process.readAllStandardOutput()).trimmed();
    }

    const QString probe = QStringLiteral(FORTUNIX_INSTANCE_PROBE);
    QTemporaryDir runtimeFolder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QList<QProcess*> holders;
};

TEST_F(InstanceLock, SecondCopyIsRefusedWhileTheFirstRunsOn) {
    ASSERT_EQ(StartHolder(probe), QStringLiteral("acquired"));

    EXPECT_EQ(RunOnce(probe), QStringLiteral("refused"));
    EXPECT_EQ(RunOnce(probe), QStringLiteral("refused"));
    EXPECT_EQ(holders[0]->state(), QProcess::Running);
}

TEST_F(InstanceLock, CopyKilledWithoutCleanUpDoesNotBlockTheNextStart) {
    ASSERT_EQ(StartHolder(probe), QStringLiteral("acquired"));
    holders[0]->kill();  // SIGKILL: no chance to remove its lock file
    ASSERT_TRUE(holders[0]->waitForFinished(5000));

    EXPECT_EQ(RunOnce(probe), QStringLiteral("acquired"));
}

TEST_F(InstanceLock, CopyUnderAnotherFileNameIsNotRefused) {
    const QString renamed = runtimeFolder.filePath(QStringLiteral("renamed_probe"));
    ASSERT_TRUE(QFile::copy(probe, renamed));
    ASSERT_EQ(StartHolder(probe), QStringLiteral("acquired"));

    EXPECT_EQ(RunOnce(renamed), QStringLiteral("acquired"));
    EXPECT_EQ(RunOnce(probe), QStringLiteral("refused"));
}

TEST_F(InstanceLock, LockIsFreeAgainAfterANormalEnd) {
    EXPECT_EQ(RunOnce(probe), QStringLiteral("acquired"));
    EXPECT_EQ(RunOnce(probe), QStringLiteral("acquired"));
}

}  // namespace
