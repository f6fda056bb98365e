#pragma once

#include <QObject>
#include <QString>

#include <cstdint>
#include <functional>

class ObjectPool;
class QGraphicsObject;
class SystemChange;
class TmyImage;
class WorkAreaItem;

// What state reports and scripts do to the objects of the shown page, found
// by the names the page gives them or by their generated component names.
class ObjectOperations : public QObject {
    Q_OBJECT
public:
    using Fallback = std::function<QGraphicsObject *(const QString &name)>;

    ObjectOperations(ObjectPool &pool, SystemChange &systemChange, WorkAreaItem *MainWorkArea,
                     QObject *parent = nullptr);

    void setProjectRoot(const QString &uiStoredRootPath) { m_uiRoot = uiStoredRootPath; }
    QString projectRoot() const { return m_uiRoot; }
    WorkAreaItem *MainWorkArea() const { return m_workArea; }
    // Finds any component of the window by its exact name, for names that
    // are not page objects (the window's fixed parts).
    void setFallback(Fallback fallback) { m_fallback = std::move(fallback); }

    // A user name of the page (any case) or a component name (exact case).
    int GetNamedObjID(const QString &objNamestr) const;
    int GetNamedObjIDByRealName(const QString &RealName) const;
    // The page object of that name, without the window's fallback.
    QGraphicsObject *namedObject(const QString &objNamestr) const;
    // The page object of that name, or the window's component of that name.
    QGraphicsObject *findObject(const QString &objname) const;

    bool UpdateUI(const QString &objname, const QString &txt, int alpha, int percent);

    void SetObjectValue(QGraphicsObject *Sender, const QString &value, int alpha);
    void SetNamedObjValue(QGraphicsObject *Obj, const QString &value, int alpha);
    QString GetObjectValue(const QGraphicsObject *Sender) const;
    QString GetNamedObjValue(const QString &objNamestr) const;

    void SetObjectvisible(const QString &objname, bool isVisible);
    bool GetObjectvisible(const QString &objname) const;
    bool SetObjectEnabled(const QString &objname, bool h);

    bool ChangeObjZIdx(const QString &objname, int _zIndex);
    int GetObjZIdx(const QString &objname) const;
    bool ChangeOBJFront(const QString &objname, bool isFront);

    bool ChangeObjPositionWH(const QString &objname, double x, double y, double w, double h,
                             int ChangeID);
    double GetObjPositionWH(const QString &objname, int ChangeID) const;
    bool ChangeOBJscal(const QString &objname, double x, double y);
    bool ChangeObjRotationAngle(const QString &objname, double Angle);

    bool ImgChangeURL(const QString &objname, const QString &url);
    bool LoadImgFromStream(const QString &objname, const QByteArray &myStream);
    bool CutImgByAngle(const QString &objname, int Angle, bool reload);

    bool ChangeRichRectByName(const QString &objname, int cType, uint32_t val1, uint32_t val2,
                              int val3, uint32_t val4);

private:
    TmyImage *findImage(const QString &objname) const;
    void updateImage(TmyImage *image, const QString &txt, int alpha);

    ObjectPool &m_pool;
    SystemChange &m_systemChange;
    WorkAreaItem *m_workArea;
    Fallback m_fallback;
    QString m_uiRoot;
};
