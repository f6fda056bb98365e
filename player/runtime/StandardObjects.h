#pragma once

#include "PageObject.h"

#include <QGraphicsProxyWidget>
#include <QRectF>
#include <QRgb>
#include <QString>

// What a page element asks of a standard control.
struct StandardObjectSpec {
    ObjectKind kind = ObjectKind::TButton;
    QString title;
    QRectF bounds;
    int fontSize = 12;
    QRgb colour = 0xFF000000;
    bool repeatClick = false; // push button: repeats its click while held
    bool vertical = false;    // track bar
    bool isPassword = false;  // edit: characters are masked
    bool noBG = false;        // edit: transparent look
};

// A new proxy holding the toolkit widget of a standard control kind (push
// button to date edit), tagged with its kind; nullptr for any other kind.
QGraphicsProxyWidget *createStandardObject(ObjectKind kind);

// Places, styles and shows a (new or reused) standard control for an element.
void configureStandardObject(QGraphicsProxyWidget *proxy, const StandardObjectSpec &spec);

// The clearing step between pages: the control stays in the pool, hidden.
void resetStandardObject(QGraphicsProxyWidget *proxy);

// A font size below 8 becomes 11.
int standardFontSize(int size);
