#pragma once
#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>

#include <functional>

// One file the asset generator writes into the program directory.
struct Asset
{
    QString path; // relative to the program directory, with "/"
    std::function<QByteArray()> bytes;
    // Checks the file as written; returns an error text or an empty string.
    std::function<QString(const QString& file)> check;
};

// One picture on the contact sheet: small ones sit in the grid, magnified where tiny; full-size
// ones (splash, backgrounds, movie frames) follow below the grid as they are.
struct Tile
{
    QString label;
    QImage image;
    bool fullSize = false;
};

// The bytes of a picture as a 32-bit BMP file.
QByteArray bmp(const QImage& image);
// A check that the file loads as a picture of this size.
std::function<QString(const QString&)> pictureOfSize(QSize size);
// Checks that the file is a 16-bit PCM RIFF wave file.
QString checkWave(const QString& file);
