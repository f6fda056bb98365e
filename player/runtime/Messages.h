#pragma once

// The player's own texts, shown to users exactly as written here.
namespace messages {

inline constexpr char InstanceLockName[] = "Panelo_v1";
inline constexpr char AlreadyRunning[] =
    "已经有一个Panelo被打开，请关闭后重试,如果找不到在后台运行的程序，请尝试重启电脑！";

inline constexpr char DefaultTitle[] = "Varnex Control Systems";
inline constexpr char SimulatorTitle[] = "Varnex Simulator/模拟器/Simulateur/シミュレーター";
inline constexpr char BuildTag[] = "S20191029";
inline constexpr char StatusInitialText[] = "Varnex Control Systems";

inline constexpr char HoldForSettings[] = "Please hold 10 seconds for settings!";
inline constexpr char PageNotFound[] = "UI File not found!";

inline constexpr char FindDesignerRequest[] = "@SimRequestUI";

// Settings panel: download page.
inline constexpr char DownloadPageName[] = "程序更新";
inline constexpr char DownloadTitle[] = "连接设备";
inline constexpr char AddressLabel[] = "Address:";
inline constexpr char DefaultDownloadAddress[] = "http://192.168.20.1";
inline constexpr char StartDownload[] = "同步数据";
inline constexpr char BackToSystem[] = "返回系统";

// Settings panel: remote control page.
inline constexpr char RemoteTitle[] = "远程控制设置";
inline constexpr char TokenLabel[] = "Token:";
inline constexpr char SaveSettings[] = "保存设置";

// Settings panel: basic settings page.
inline constexpr char BasicPageName[] = "基本设置";
inline constexpr char CommonOptions[] = "常用选项";
inline constexpr char MoreParameters[] = "更多参数:";
inline constexpr char StretchFullScreen[] = "变形满屏";
inline constexpr char DebugInfo[] = "调试信息";
inline constexpr char LinkStatus[] = "连接状态";
inline constexpr char ConnectionMode[] = "连接模式:";
inline constexpr char ModeNames[4][16] = {"自动模式", "直连模式", "外网模式", "直连+外网"};
inline constexpr char StatusColour[] = "提示栏颜色:";
inline constexpr char LocalGateway[] = "本地网关";
inline constexpr char CustomIP[] = "自定义IP";
inline constexpr char CustomPort[] = "自定义Port";
inline constexpr char ServerIP[] = "服务器IP:";
inline constexpr char Port[] = "端口:";
inline constexpr char RemoteControl[] = "远程控制";
inline constexpr char UserName[] = "用户名:";
inline constexpr char Password[] = "密码:";
inline constexpr char ControlledID[] = "受控ID:";
inline constexpr char ChatServer[] = "服务器:";
inline constexpr char AboutUs[] = "关于我们...";
inline constexpr char BuildLine[] = "Build:2019Q1/USCA/CNSHA";
inline constexpr char Ok[] = "OK";
inline constexpr char Cancel[] = "Cancel";

} // namespace messages

namespace messages {
inline constexpr char PictureError[] = "加载图片错误：";
inline constexpr char BackgroundError[] = "背景失败：";
inline constexpr char UnknownObject[] = "Unkown Objects:";
inline constexpr char ErrorPrefix[] = "Error:";
inline constexpr char BackgroundName[] = "app.bg";
} // namespace messages

namespace messages {
inline constexpr char LinkBusy[] = "Error(Busy):";
inline constexpr char LinkConnectFail[] = "Connect Fail:";
inline constexpr char LinkConnecting[] = "Connecting to ";
inline constexpr char LinkConnected[] = "Connected.";
inline constexpr char LinkDisconnected[] = "Disconnected.";
inline constexpr char MonitorThreadTerminated[] = "Monitor Thread Terminated.";
inline constexpr char KeepAlive[] = "@Pi@";
inline constexpr char KeepAliveAnswer[] = "@Po@";
} // namespace messages
