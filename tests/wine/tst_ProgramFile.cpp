// SPDX-FileCopyrightText: 2026 Tilora developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QImage>
#include <QTest>
#include <QXmlStreamReader>
#include <map>
#include <windows.h>

// What Windows reads from tilora.exe itself, as Explorer and the taskbar do: the icon at every size
// they show, the version information in its properties, that it opens no console window, and its manifest.
class tst_ProgramFile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void iconHoldsTheGridAtEverySizeWindowsShows();
    void propertiesNameTheProductVersionAndLicence_data();
    void propertiesNameTheProductVersionAndLicence();
    void fixedVersionMatchesTheProject();
    void isAGuiProgram();
    void manifestDeclaresWhatWindowsReadsBeforeTheStart_data();
    void manifestDeclaresWhatWindowsReadsBeforeTheStart();

private:
    HMODULE program = nullptr;
};

namespace {

const QString ProgramPath = QStringLiteral(TILORA_EXE);

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width;
    BYTE height;
    BYTE colourCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

QByteArray Resource(HMODULE module, LPCWSTR type, LPCWSTR name)
{
    HRSRC found = FindResourceW(module, name, type);
    if (!found)
        return {};
    const void *data = LockResource(LoadResource(module, found));
    return QByteArray(static_cast<const char *>(data), int(SizeofResource(module, found)));
}

BOOL CALLBACK TakeFirstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found)
{
    *reinterpret_cast<std::wstring *>(found) = IS_INTRESOURCE(name) ? L"#" + std::to_wstring(quintptr(name)) : name;
    return FALSE;
}

// Each size Windows picks from, decoded from the icon image it would load.
std::map<int, QImage> IconImages(HMODULE module)
{
    std::wstring group;
    EnumResourceNamesW(module, RT_GROUP_ICON, TakeFirstName, reinterpret_cast<LONG_PTR>(&group));
    const QByteArray directory = Resource(module, RT_GROUP_ICON, group.c_str());
    std::map<int, QImage> images;
    if (directory.size() < 6)
        return images;
    const int count = *reinterpret_cast<const WORD *>(directory.constData() + 4);
    const auto *entries = reinterpret_cast<const GroupIconEntry *>(directory.constData() + 6);
    for (int i = 0; i < count && 6 + (i + 1) * int(sizeof(GroupIconEntry)) <= directory.size(); ++i) {
        const int size = entries[i].width == 0 ? 256 : entries[i].width;
        images[size] = QImage::fromData(Resource(module, RT_ICON, MAKEINTRESOURCEW(entries[i].id)));
    }
    return images;
}

QString VersionString(const QByteArray &info, const QString &name)
{
    void *value = nullptr;
    UINT length = 0;
    const QString path = QStringLiteral("\\StringFileInfo\\040904B0\\") + name;
    if (!VerQueryValueW(info.constData(), reinterpret_cast<LPCWSTR>(path.utf16()), &value, &length) || length == 0)
        return {};
    return QString::fromWCharArray(static_cast<const wchar_t *>(value), int(length) - 1);
}

QByteArray VersionInfo()
{
    const auto path = reinterpret_cast<LPCWSTR>(ProgramPath.utf16());
    QByteArray info(int(GetFileVersionInfoSizeW(path, nullptr)), '\0');
    if (info.isEmpty() || !GetFileVersionInfoW(path, 0, DWORD(info.size()), info.data()))
        return {};
    return info;
}

// What the manifest holds at the element (its parent's name, a slash and its own), in the namespace: an
// attribute's values, or with none named the element's text. Windows ignores a setting in another namespace.
QStringList ManifestValues(const QByteArray &manifest, const QString &element, const QString &space,
                           const QString &attribute)
{
    QStringList values;
    QStringList path;
    QXmlStreamReader reader(manifest);
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement())
            path.removeLast();
        if (!reader.isStartElement())
            continue;
        const QString name = (path.isEmpty() ? QString() : path.last()) + u'/' + reader.name().toString();
        path.append(reader.name().toString());
        if (name != element || reader.namespaceUri() != space)
            continue;
        if (attribute.isEmpty()) {
            values.append(reader.readElementText());
            path.removeLast();
        } else {
            values.append(reader.attributes().value(attribute).toString());
        }
    }
    if (reader.hasError())
        values.append(QStringLiteral("error: ") + reader.errorString());
    return values;
}

} // namespace

void tst_ProgramFile::initTestCase()
{
    program = LoadLibraryExW(reinterpret_cast<LPCWSTR>(ProgramPath.utf16()), nullptr,
                             LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    QVERIFY2(program, qPrintable(ProgramPath));
}

void tst_ProgramFile::cleanupTestCase()
{
    FreeLibrary(program);
}

void tst_ProgramFile::iconHoldsTheGridAtEverySizeWindowsShows()
{
    const std::map<int, QImage> images = IconImages(program);
    QCOMPARE(images.size(), std::size_t(5));
    for (int size : {16, 24, 32, 48, 256}) {
        QVERIFY2(images.count(size), qPrintable(QString::number(size)));
        const QImage committed(QStringLiteral(SOURCE_ICONS "/%1.png").arg(size));
        QCOMPARE(images.at(size).size(), QSize(size, size));
        QCOMPARE(images.at(size).convertToFormat(QImage::Format_ARGB32),
                 committed.convertToFormat(QImage::Format_ARGB32));
    }
}

void tst_ProgramFile::propertiesNameTheProductVersionAndLicence_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("whole");
    QTest::newRow("product") << "ProductName" << "Tilora" << true;
    QTest::newRow("product version") << "ProductVersion" << TILORA_VERSION << true;
    QTest::newRow("file version") << "FileVersion" << TILORA_VERSION << true;
    QTest::newRow("file name") << "OriginalFilename" << "tilora.exe" << true;
    QTest::newRow("publisher") << "CompanyName" << "Tilora developers" << true;
    QTest::newRow("copyright") << "LegalCopyright" << "Copyright © 2026 Tilora developers" << false;
    QTest::newRow("licence") << "LegalCopyright" << "GPL-3.0-or-later" << false;
}

void tst_ProgramFile::propertiesNameTheProductVersionAndLicence()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QFETCH(bool, whole);
    const QString value = VersionString(VersionInfo(), name);
    if (whole)
        QCOMPARE(value, expected);
    else
        QVERIFY2(value.contains(expected), qPrintable(value));
}

void tst_ProgramFile::fixedVersionMatchesTheProject()
{
    const QByteArray info = VersionInfo();
    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT length = 0;
    QVERIFY(VerQueryValueW(info.constData(), L"\\", reinterpret_cast<void **>(&fixed), &length));
    QCOMPARE(fixed->dwSignature, DWORD(VS_FFI_SIGNATURE));
    const QString version = QStringLiteral("%1.%2.%3.%4")
                                .arg(HIWORD(fixed->dwFileVersionMS))
                                .arg(LOWORD(fixed->dwFileVersionMS))
                                .arg(HIWORD(fixed->dwFileVersionLS))
                                .arg(LOWORD(fixed->dwFileVersionLS));
    QCOMPARE(version, QStringLiteral(TILORA_VERSION ".0"));
    QCOMPARE(fixed->dwFileType, DWORD(VFT_APP));
}

void tst_ProgramFile::isAGuiProgram()
{
    const auto *dos = reinterpret_cast<const IMAGE_DOS_HEADER *>(quintptr(program) & ~quintptr(3));
    QCOMPARE(dos->e_magic, WORD(IMAGE_DOS_SIGNATURE));
    const auto *headers = reinterpret_cast<const IMAGE_NT_HEADERS *>(reinterpret_cast<const char *>(dos) + dos->e_lfanew);
    QCOMPARE(headers->Signature, DWORD(IMAGE_NT_SIGNATURE));
    QCOMPARE(headers->OptionalHeader.Subsystem, WORD(IMAGE_SUBSYSTEM_WINDOWS_GUI));
}

void tst_ProgramFile::manifestDeclaresWhatWindowsReadsBeforeTheStart_data()
{
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("space");
    QTest::addColumn<QString>("attribute");
    QTest::addColumn<QString>("expected");
    const QString assembly = QStringLiteral("urn:schemas-microsoft-com:asm.v1");
    const QString settings2016 = QStringLiteral("http://schemas.microsoft.com/SMI/2016/WindowsSettings");
    QTest::newRow("Windows 10 and 11") << "application/supportedOS" << "urn:schemas-microsoft-com:compatibility.v1"
                                       << "Id" << "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}";
    QTest::newRow("per-monitor v2") << "windowsSettings/dpiAwareness" << settings2016 << "" << "PerMonitorV2";
    QTest::newRow("per-monitor, before Windows 10 1607")
        << "windowsSettings/dpiAware" << "http://schemas.microsoft.com/SMI/2005/WindowsSettings" << "" << "true/pm";
    QTest::newRow("long paths") << "windowsSettings/longPathAware" << settings2016 << "" << "true";
    QTest::newRow("common controls") << "dependentAssembly/assemblyIdentity" << assembly << "name"
                                     << "Microsoft.Windows.Common-Controls";
    QTest::newRow("common controls 6") << "dependentAssembly/assemblyIdentity" << assembly << "version" << "6.0.0.0";
    QTest::newRow("version") << "assembly/assemblyIdentity" << assembly << "version" << TILORA_VERSION ".0";
    QTest::newRow("user's rights") << "requestedPrivileges/requestedExecutionLevel" << "urn:schemas-microsoft-com:asm.v3"
                                   << "level" << "asInvoker";
}

// Read as Windows' loader finds it: resource 1 of type RT_MANIFEST, the one a program's start reads.
void tst_ProgramFile::manifestDeclaresWhatWindowsReadsBeforeTheStart()
{
    QFETCH(QString, element);
    QFETCH(QString, space);
    QFETCH(QString, attribute);
    QFETCH(QString, expected);
    const QByteArray manifest = Resource(program, RT_MANIFEST, MAKEINTRESOURCEW(1));
    QVERIFY(!manifest.isEmpty());
    const QStringList values = ManifestValues(manifest, element, space, attribute);
    QVERIFY2(values == QStringList{expected}, qPrintable(values.join(u", ")));
}

QTEST_GUILESS_MAIN(tst_ProgramFile)
#include "tst_ProgramFile.moc"
