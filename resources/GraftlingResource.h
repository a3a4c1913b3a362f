// Resource identifiers of Graftling.dll: its string table of built-in
// window classes.
#pragma once

#define IDS_FILTER_EXPLORER 1
#define IDS_FILTER_FOLDER 2
#define IDS_FILTER_BROWSER 4
