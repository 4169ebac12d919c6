#pragma once
// The window's 26 controls in the layout's own order: earlier rows lie on top of
// later ones with the same parent, and the keyboard ring runs in descending order.
#include <array>

namespace jiaoyan::ui {

enum class ControlKind {
    ResultBox,
    Button,
    InputBox,
    AlgorithmList,
    TransparentLabel,
    Frame,
    PictureBox,
    DropObject,
    TabControl
};

struct ControlSpec {
    int number;
    const char* name;
    ControlKind kind;
    const char* parent; // nullptr: the window
    int page;           // page of a tab-control parent, from 1; 0 otherwise
    int left, top, width, height;
    const char* text;
};

inline constexpr const char* kResultBox = "编辑框_返回结果";
inline constexpr const char* kCheckVerifyButton = "按钮_文件信息比对_校验";
inline constexpr const char* kCheckResetButton = "按钮_文件信息比对_重置";
inline constexpr const char* kKnownValueInput = "编辑框_文件信息比对_输入的信息";
inline constexpr const char* kAlgorithmList = "组合框_文件信息比对_已知的文件信息";
inline constexpr const char* kCheckFrame = "单个文件_文件信息比对_拖放对象";
inline constexpr const char* kCheckDrop = "拖放对象_文件信息比对_拖入文件";
inline constexpr const char* kCompareVerifyButton = "按钮_校验文件_拖入比对_校验";
inline constexpr const char* kCompareResetButton = "按钮_校验文_拖入校验_重置";
inline constexpr const char* kFile2Frame = "单个文件_文件比对_文件接收2";
inline constexpr const char* kFile2Drop = "拖放对象_文件比对_文件2";
inline constexpr const char* kFile1Frame = "单个文件_文件比对_文件接收1";
inline constexpr const char* kFile1Drop = "拖放对象_文件比对_文件1";
inline constexpr const char* kInnerTabs = "选择夹2";
inline constexpr const char* kSingleDrop = "拖放对象_单个文件";
inline constexpr const char* kSingleFrame = "单个文件_文件拖放接收";
inline constexpr const char* kOuterTabs = "选择夹1";

using K = ControlKind;
inline constexpr std::array<ControlSpec, 26> kControls{{
    {1, kResultBox, K::ResultBox, nullptr, 0, 248, 24, 304, 243, ""},
    {2, kCheckVerifyButton, K::Button, kInnerTabs, 2, 9, 205, 80, 32, "校验"},
    {3, kCheckResetButton, K::Button, kInnerTabs, 2, 160, 205, 80, 32, "重置"},
    {4, kKnownValueInput, K::InputBox, kInnerTabs, 2, 8, 152, 216, 20, ""},
    {5, kAlgorithmList, K::AlgorithmList, kInnerTabs, 2, 128, 120, 100, 20, ""},
    {6, "透明标签5", K::TransparentLabel, kInnerTabs, 2, 8, 120, 152, 24, "输入文件已知的信息："},
    {7, kCheckFrame, K::Frame, kInnerTabs, 2, 8, 32, 232, 80, ""},
    {8, "透明标签3", K::TransparentLabel, kCheckFrame, 0, 72, 13, 112, 56, "拖入文件到此处"},
    {9, "图片框3", K::PictureBox, kCheckFrame, 0, 24, 19, 40, 40, ""},
    {10, kCheckDrop, K::DropObject, kCheckFrame, 0, 0, 0, 0, 0, ""},
    {11, kCompareVerifyButton, K::Button, kInnerTabs, 1, 9, 205, 80, 32, "校验"},
    {12, kCompareResetButton, K::Button, kInnerTabs, 1, 160, 205, 80, 32, "重置"},
    {13, kFile2Frame, K::Frame, kInnerTabs, 1, 8, 120, 232, 80, ""},
    {14, "透明标签2", K::TransparentLabel, kFile2Frame, 0, 72, 13, 104, 56, "拖入文件2到此处"},
    {15, "图片框2", K::PictureBox, kFile2Frame, 0, 24, 19, 40, 40, ""},
    {16, kFile2Drop, K::DropObject, kFile2Frame, 0, 0, 0, 0, 0, ""},
    {17, kFile1Frame, K::Frame, kInnerTabs, 1, 8, 32, 232, 80, ""},
    {18, "透明标签4", K::TransparentLabel, kFile1Frame, 0, 72, 13, 112, 56, "拖入文件1到此处"},
    {19, "图片框4", K::PictureBox, kFile1Frame, 0, 24, 19, 40, 40, ""},
    {20, kFile1Drop, K::DropObject, kFile1Frame, 0, 0, 0, 0, 0, ""},
    {21, kInnerTabs, K::TabControl, kOuterTabs, 2, 0, 24, 248, 240, ""},
    {22, "透明标签1", K::TransparentLabel, kSingleFrame, 0, 72, 80, 144, 56, "拖入文件此处到自动获取"},
    {23, "图片框1", K::PictureBox, kSingleFrame, 0, 24, 88, 40, 40, ""},
    {24, kSingleDrop, K::DropObject, kSingleFrame, 0, 0, 0, 0, 0, ""},
    {25, kSingleFrame, K::Frame, kOuterTabs, 1, 8, 32, 232, 216, ""},
    {26, kOuterTabs, K::TabControl, nullptr, 0, 0, 8, 248, 264, ""},
}};

struct TabPages {
    const char* tabControl;
    const char* page1;
    const char* page2;
};
inline constexpr std::array<TabPages, 2> kTabPages{{
    {kOuterTabs, "取文件信息", "校验文件"},
    {kInnerTabs, "拖入文件对比校验", "输入文件信息比对校验"},
}};

inline constexpr const char* kAlgorithmItems[] = {"MD2", "MD5", "SHA1", "SHA256", "SHA512", "CRC32"};

} // namespace jiaoyan::ui
