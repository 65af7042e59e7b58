#pragma once
#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QString>

// Reading the pictures and sounds that lie beside the executable. Failures are thrown as
// Failure with the texts the user sees in the error box.
namespace ui {

// The file's bytes; Failure("ファイル " + path + " は開けません") when it cannot be opened or read.
QByteArray readWhole(const QString& path);

// A Windows bitmap; open failure as readWhole, anything that is not a BMP:
// Failure("ビットマップイメージが不正です").
QImage loadBitmap(const QString& path);

// Pixels of the bottom-left pixel's colour become transparent; a null image gives a null pixmap.
QPixmap withTransparentColour(const QImage& image);

// "snd\\kako.wav" -> exeDir + "snd/kako.wav"; exeDir gains a trailing "/" if it lacks one.
QString nativeAssetPath(const QString& exeDir, const QString& relative);

// Where a picture or sound is read from: its folder ("img" or "snd") beside the executable
// when that folder exists, as in a build folder; otherwise the installed data folder
// (TAISEN_DATA_FROM_BIN from the executable's folder, "../share/taisen"). When neither folder
// exists, the path beside the executable, which the error then names.
QString assetPath(const QString& exeDir, const QString& relative);

} // namespace ui
