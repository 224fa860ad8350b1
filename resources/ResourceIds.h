#ifndef KORVU_RESOURCES_RESOURCEIDS_H
#define KORVU_RESOURCES_RESOURCEIDS_H

// Numbers of the resources that the client loads from korvui01 (and its own program icon).
#define IDB_LIST_HEADER_53   132
#define IDB_PICTURE_133      133
#define IDB_PICTURE_247      247  // the login screen's picture
#define IDB_LIST_HEADER      135
#define IDB_LIST_HEADER_150  136
#define IDB_LIST_HEADER_50   137
#define IDB_LABEL_BAND       138
#define IDB_TEXT_BACK_2      140
#define IDB_TEXT_BACK_3      141
#define IDB_MENU_BAND        1130
#define IDB_TEXT_BACK        1139

#define IDI_MENU_PLUS        354
#define IDI_MENU_MINUS       355
#define IDI_MENU_ENTRY       356

#define IDW_SOUND_1          332
#define IDW_SOUND_2          333
#define IDW_SOUND_3          334

#define IDI_PROGRAM          137

#endif
