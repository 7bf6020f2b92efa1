#pragma once

// String-table ids. Plain numbers so that portable code, the resource script and the language
// files agree; resource.h includes this file.

// Item type labels.
#define IDS_TYPE_PASSWORD 278
#define IDS_TYPE_LOGIN 279
#define IDS_TYPE_URL 280
#define IDS_TYPE_LOCATION 281
#define IDS_TYPE_CARD_NUMBER 282
#define IDS_TYPE_MAIL 283
#define IDS_TYPE_SERIAL 284
#define IDS_TYPE_PHONE 285
#define IDS_TYPE_HOST 286
#define IDS_TYPE_IP 287
#define IDS_TYPE_CUSTOM 288
#define IDS_TYPE_KEY_PASSPHRASE 293

// Product title: the caption of every message box and the title the single-instance hand-over
// looks for.
#define IDS_PRODUCT_TITLE 128

// Progress captions of loading and saving a database.
#define IDS_LOADING 172
#define IDS_SAVING 173
