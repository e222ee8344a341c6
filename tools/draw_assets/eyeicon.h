#ifndef EYEICON_H
#define EYEICON_H

#include <QImage>
#include <QString>

// The program icon: a close-up of a human eye with a bright green iris on
// grey skin, drawn as vector shapes so that every size is sharp.
QImage drawEyeIcon(int size);

// The same drawing as a scalable picture, for desktops that scale icons themselves.
bool writeEyeSvg(const QString &fileName);

#endif
