// The identifiers of the resources the Windows executable carries, shared by
// window/win32/resources/tarvel.rc.in and the binding's C++ code. Plain #defines: the resource
// compiler reads this file too.
#pragma once

// The program's icon (16, 24, 32, 48 and 256 pixels). The lowest icon identifier: Explorer shows it for the .exe.
#define TARVEL_IDI_ICON 1

// resources/globe.png, 512x384, as the bytes of the PNG file (RT_RCDATA), decoded at run time.
#define TARVEL_IDR_GLOBE_PNG 101
// resources/globe@2x.png, 1024x768, the same picture for screens at 150 % and more.
#define TARVEL_IDR_GLOBE_2X_PNG 102
