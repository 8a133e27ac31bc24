// Draws the shell's built-in assets into a folder at build time:
//   Skins/<skin>/<IMAGE>.bmp and Skins/<skin>/Skin.ini (the colour words),
//   Poem/*.bmp (the notebook's page pictures),
//   Resources/ (the game's pointer shapes and the programs' icons).
#include "GameSkinPainter.h"
#include "NotebookSkinPainter.h"
#include "PagePicturePainter.h"
#include "ResourcePainter.h"
#include "SkinPalette.h"

#include <QDir>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>

namespace {

bool Save(const QImage& image, const QString& path, const char* format)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && image.save(&file, format) && file.commit();
}

QByteArray ColourWord(const QColor& colour)
{
    const unsigned word = static_cast<unsigned>(colour.red()) | static_cast<unsigned>(colour.green()) << 8
        | static_cast<unsigned>(colour.blue()) << 16;
    return "0x" + QByteArray::number(word, 16).rightJustified(8, '0').toUpper();
}

bool WriteColourWords(const SkinPalette& palette, const QString& path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("# Colour words of this skin, 0x00BBGGRR.\n");
    file.write("# 48 status text, 49 New and Undo captions, 50 option labels, 51 option panel.\n");
    file.write("48=" + ColourWord(palette.statusText) + "\n");
    file.write("49=" + ColourWord(palette.buttonText) + "\n");
    file.write("50=" + ColourWord(palette.optionText) + "\n");
    file.write("51=" + ColourWord(palette.panel) + "\n");
    return file.commit();
}

bool WriteSkin(const SkinPalette& palette, const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    QMap<QString, QImage> images = GameSkinPainter(palette).Paint();
    images.insert(NotebookSkinPainter(palette).Paint());
    for (auto it = images.cbegin(); it != images.cend(); ++it) {
        if (!Save(it.value(), folder + u'/' + it.key() + QStringLiteral(".bmp"), "BMP"))
            return false;
    }
    return WriteColourWords(palette, folder + QStringLiteral("/Skin.ini"));
}

bool WritePictures(const QString& folder)
{
    if (!QDir().mkpath(folder))
        return false;
    for (const auto& picture : PagePicturePainter::Paint()) {
        if (!Save(picture.image, folder + u'/' + picture.fileName, "BMP"))
            return false;
    }
    return true;
}

bool WriteResources(const QString& folder)
{
    return QDir().mkpath(folder)
        && Save(ResourcePainter::StonePointer(true), folder + QStringLiteral("/Cursor149.png"), "PNG")
        && Save(ResourcePainter::StonePointer(false), folder + QStringLiteral("/Cursor150.png"), "PNG")
        && Save(ResourcePainter::GameIcon(), folder + QStringLiteral("/Go.png"), "PNG")
        && Save(ResourcePainter::NotebookIcon(), folder + QStringLiteral("/NoteBook.png"), "PNG");
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: skin-generator OUTPUT-FOLDER\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    bool ok = true;
    for (const SkinPalette& palette : { ClassicPalette(), OceanPalette() })
        ok = ok && WriteSkin(palette, out + QStringLiteral("/Skins/") + palette.name);
    ok = ok && WritePictures(out + QStringLiteral("/Poem")) && WriteResources(out + QStringLiteral("/Resources"));
    if (!ok) {
        std::fprintf(stderr, "skin-generator: cannot write into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
