#pragma once

#include <QGraphicsItem>

// The kinds of pooled page objects, in their fixed order (the order is the
// kind's number).
enum class ObjectKind {
    TmyImage,
    TLabel,
    TButton,
    TSwitch,
    TTrackBar,
    TCheckBox,
    TProgressBar,
    TEdit,
    TListBox,
    TSpinBox,
    TCalendarEdit,
    TTimer,
    TWebBrowser,
    TMediaPlayerControl,
    TrichRect,
    TrichSwitch,
};

const char *kindName(ObjectKind kind);
// -1 when the name is not a kind's exact name.
int GetSysObjTypeidx(const QString &kindName);

// Every pooled object is a graphics item that carries its kind and, in its
// general-purpose tag, the XML id of the element it shows (-1 when cleared).
void setObjectKind(QGraphicsItem *item, ObjectKind kind);
ObjectKind objectKind(const QGraphicsItem *item);
void setObjectTag(QGraphicsItem *item, int tag);
int objectTag(const QGraphicsItem *item);
