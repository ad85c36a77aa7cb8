#pragma once

#include <QCursor>
#include <QImage>

// The start window's photo: a misty lake at dawn, pale on the left where the
// texts stand. Drawn by the program, the same every time.
QImage TitelFoto(const QSize& maat);

// The pointer over the e-mail address: an arrow with a letter.
QCursor BriefAanwijzer();
