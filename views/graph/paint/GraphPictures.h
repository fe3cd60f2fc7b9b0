#pragma once
// The graph as a file's bytes, drawn by the same painter as the window: a
// PNG picture, an SVG drawing or a one-page PDF of the graph alone. Text
// and lines grow with the size asked for, so a large picture reduced into a
// report reads like the window.
#include "GraphPainter.h"

#include <QByteArray>
#include <QSize>

// The sides a picture may have, in pixels.
inline constexpr int kMinPictureSide = 100;
inline constexpr int kMaxPictureSide = 10000;

// Pictures up to this size are drawn at the screen's 96 dpi.
inline constexpr int kPictureBaseWidth = 960;
inline constexpr int kPictureBaseHeight = 600;

// The resolution a picture of this size is drawn at: 96 dpi, times the
// factor by which it exceeds the base size in both directions.
int PictureDpi(const QSize& size);

// Each is empty when the graph has nothing to draw in that size or the
// bytes could not be made.
QByteArray GraphPng(const GraphDrawing& drawing, const QSize& size);
QByteArray GraphSvg(const GraphDrawing& drawing, const QSize& size, const QString& title);
// A page of size pixels at PictureDpi(size), no margins.
QByteArray GraphPdf(const GraphDrawing& drawing, const QSize& size, const QString& title);
