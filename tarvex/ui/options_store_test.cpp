// The options store over the registry stand-in: round trips of the three
// types and the results when an option cannot be written or read.
#include <QFile>
#include <QtTest>
#include <vector>

#include "tarvex/ui/options_store.h"
#include "tarvex/ui/platform/registry_store.h"
#include "testing/test_folder.h"

using namespace tarvex;

namespace {

const std::string kKey = "Software\\KeldonKRC\\Tarvex\\v1.3";

OptVec Options(std::vector<OptItem>& items) { return OptVec{kKey, items}; }

std::unique_ptr<RegistryKey> Key() {
  auto key = RegistryKey::OpenOrCreate(kKey);
  if (!key) qFatal("the registry key cannot be opened");
  return key;
}

}  // namespace

class OptionsStoreTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TestFolder> config_;

 private slots:
  // Every case starts on a fresh user configuration folder.
  void init() {
    config_ = std::make_unique<TestFolder>();
    qputenv("XDG_CONFIG_HOME", config_->path().c_str());
  }

  void firstStartReadsEmptyFolders() {
    std::vector<OptItem> items{{"LastPath", "string", "old"},
                               {"QSMpFilePath", "string", "old"},
                               {"OutFilePath", "string", "old"}};
    QVERIFY(LoadOptions(Options(items)));
    for (const OptItem& item : items) QCOMPARE(item.Value, std::string());
  }

  void roundTripOfEveryType_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("read");
    QTest::newRow("text") << "string"
                          << "/home/ana/Wald Läufe"
                          << "/home/ana/Wald Läufe";
    QTest::newRow("text with commas") << "string"
                                      << "a, b; c = d"
                                      << "a, b; c = d";
    QTest::newRow("empty text") << "string"
                                << ""
                                << "";
    QTest::newRow("integer") << "integer"
                             << "12"
                             << "12";
    QTest::newRow("negative integer") << "integer"
                                      << "-2147483648"
                                      << "-2147483648";
    QTest::newRow("integer with blanks") << "integer"
                                         << " 7 "
                                         << "7";
    QTest::newRow("float") << "float"
                           << "0.1"
                           << "0.1";
    QTest::newRow("small float") << "float"
                                 << "0.00001"
                                 << "1E-5";
    QTest::newRow("large float") << "float"
                                 << "-2.5e20"
                                 << "-2.5E20";
  }
  void roundTripOfEveryType() {
    QFETCH(QString, type);
    QFETCH(QString, written);
    QFETCH(QString, read);
    std::vector<OptItem> items{{"Value", type.toStdString(), written.toStdString()}};
    QVERIFY(SaveOptions(Options(items)));
    items[0].Value = "unchanged";
    QVERIFY(LoadOptions(Options(items)));
    QCOMPARE(QString::fromStdString(items[0].Value), read);
  }

  void storedFolderIsKeptBetweenRuns() {
    std::vector<OptItem> saved{{"LastPath", "string", "/data/stands"}};
    QVERIFY(SaveOptions(Options(saved)));
    QVERIFY(QFile::exists(RegistryKey::StoreFile()));
    QCOMPARE(Key()->ReadString("LastPath"), std::string("/data/stands"));
  }

  void valueOfAnotherTypeStopsLoading() {
    Key()->WriteString("LastPath", "/a");
    Key()->WriteInteger("QSMpFilePath", 5);
    Key()->WriteString("OutFilePath", "/c");
    std::vector<OptItem> items{{"LastPath", "string", "old"},
                               {"QSMpFilePath", "string", "old"},
                               {"OutFilePath", "string", "old"}};
    QVERIFY(!LoadOptions(Options(items)));
    QCOMPARE(items[0].Value, std::string("/a"));
    QCOMPARE(items[1].Value, std::string("old"));
    QCOMPARE(items[2].Value, std::string("old"));
  }

  void missingNumberStopsLoading_data() {
    QTest::addColumn<QString>("type");
    QTest::newRow("integer") << "integer";
    QTest::newRow("float") << "float";
  }
  void missingNumberStopsLoading() {
    QFETCH(QString, type);
    std::vector<OptItem> items{{"Missing", type.toStdString(), "3"}};
    QVERIFY(!LoadOptions(Options(items)));
    QCOMPARE(items[0].Value, std::string("3"));
  }

  void unknownTypeStopsAtThatOption() {
    std::vector<OptItem> items{
        {"First", "string", "one"}, {"Count", "Integer", "2"}, {"Last", "string", "three"}};
    QVERIFY(!SaveOptions(Options(items)));
    QCOMPARE(Key()->ReadString("First"), std::string("one"));
    QCOMPARE(Key()->ReadString("Last"), std::string());
    QVERIFY(!LoadOptions(Options(items)));
  }

  void valueThatDoesNotConvertIsNotWritten_data() {
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("value");
    QTest::newRow("integer") << "integer"
                             << "12a";
    QTest::newRow("integer beyond 32 bits") << "integer"
                                            << "4294967296";
    QTest::newRow("float") << "float"
                           << "1,5";
  }
  void valueThatDoesNotConvertIsNotWritten() {
    QFETCH(QString, type);
    QFETCH(QString, value);
    std::vector<OptItem> items{{"Bad", type.toStdString(), value.toStdString()},
                               {"After", "string", "later"}};
    QVERIFY(!SaveOptions(Options(items)));
    std::vector<OptItem> after{{"After", "string", "x"}};
    QVERIFY(LoadOptions(Options(after)));
    QCOMPARE(after[0].Value, std::string());
    QVERIFY(!LoadOptions(OptVec{kKey, std::span(items).first(1)}));
  }

  void unreachableStoreFailsBothWays() {
    // The configuration folder is a plain file, so no store can be made in it.
    const QString blocked = QString::fromStdString(config_->file("not-a-folder"));
    QFile file(blocked);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    qputenv("XDG_CONFIG_HOME", blocked.toLocal8Bit());
    std::vector<OptItem> items{{"LastPath", "string", "/a"}};
    QVERIFY(!SaveOptions(Options(items)));
    QVERIFY(!LoadOptions(Options(items)));
    QCOMPARE(items[0].Value, std::string("/a"));
  }

  void keyPathMustNameAKey() {
    std::vector<OptItem> items{{"LastPath", "string", "/a"}};
    QVERIFY(!SaveOptions(OptVec{"\\", items}));
    QVERIFY(!LoadOptions(OptVec{"", items}));
  }
};

QTEST_MAIN(OptionsStoreTest)
#include "options_store_test.moc"
