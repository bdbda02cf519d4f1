// The Win32 names that glyphwise.rc uses, with the values of the system's headers. The script
// includes this instead of <winresrc.h>, so that the resource compiler needs no Windows headers.
#pragma once

// Window and dialog styles.
#define WS_POPUP 0x80000000L
#define WS_CHILD 0x40000000L
#define WS_VISIBLE 0x10000000L
#define WS_CAPTION 0x00C00000L
#define WS_BORDER 0x00800000L
#define WS_VSCROLL 0x00200000L
#define WS_SYSMENU 0x00080000L
#define WS_GROUP 0x00020000L
#define WS_TABSTOP 0x00010000L
#define WS_MINIMIZEBOX 0x00020000L
#define DS_MODALFRAME 0x80L
#define DS_SETFONT 0x40L
#define DS_3DLOOK 0x4L

// Control styles: list box, edit control, buttons, static text.
#define LBS_NOTIFY 0x0001L
#define LBS_NOINTEGRALHEIGHT 0x0100L
#define ES_UPPERCASE 0x0008L
#define ES_AUTOHSCROLL 0x0080L
#define BS_PUSHBUTTON 0x00000000L
#define BS_DEFPUSHBUTTON 0x00000001L
#define SS_LEFT 0x00000000L

// The language of every resource: English (Australia), 0x0C09.
#define LANG_ENGLISH 0x09
#define SUBLANG_ENGLISH_AUS 0x03

// The version record's system and file type.
#define VOS_NT_WINDOWS32 0x00040004L
#define VFT_APP 0x00000001L

// The application manifest: its resource type and the identifier the system reads at start-up.
#define RT_MANIFEST 24
#define CREATEPROCESS_MANIFEST_RESOURCE_ID 1
