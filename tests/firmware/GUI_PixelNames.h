/* Byte names of 1 bpp pixel rows: 'X' for a set pixel, '_' for a clear one,
 * leftmost pixel in the most significant bit (________ = 0x00, X_______ = 0x80). */
#ifndef GUI_PIXEL_NAMES_H
#define GUI_PIXEL_NAMES_H

#ifndef ________
  #define ________ 0x00
#endif
#ifndef _______X
  #define _______X 0x01
#endif
#ifndef ______X_
  #define ______X_ 0x02
#endif
#ifndef ______XX
  #define ______XX 0x03
#endif
#ifndef _____X__
  #define _____X__ 0x04
#endif
#ifndef _____X_X
  #define _____X_X 0x05
#endif
#ifndef _____XX_
  #define _____XX_ 0x06
#endif
#ifndef _____XXX
  #define _____XXX 0x07
#endif
#ifndef ____X___
  #define ____X___ 0x08
#endif
#ifndef ____X__X
  #define ____X__X 0x09
#endif
#ifndef ____X_X_
  #define ____X_X_ 0x0A
#endif
#ifndef ____X_XX
  #define ____X_XX 0x0B
#endif
#ifndef ____XX__
  #define ____XX__ 0x0C
#endif
#ifndef ____XX_X
  #define ____XX_X 0x0D
#endif
#ifndef ____XXX_
  #define ____XXX_ 0x0E
#endif
#ifndef ____XXXX
  #define ____XXXX 0x0F
#endif
#ifndef ___X____
  #define ___X____ 0x10
#endif
#ifndef ___X___X
  #define ___X___X 0x11
#endif
#ifndef ___X__X_
  #define ___X__X_ 0x12
#endif
#ifndef ___X__XX
  #define ___X__XX 0x13
#endif
#ifndef ___X_X__
  #define ___X_X__ 0x14
#endif
#ifndef ___X_X_X
  #define ___X_X_X 0x15
#endif
#ifndef ___X_XX_
  #define ___X_XX_ 0x16
#endif
#ifndef ___X_XXX
  #define ___X_XXX 0x17
#endif
#ifndef ___XX___
  #define ___XX___ 0x18
#endif
#ifndef ___XX__X
  #define ___XX__X 0x19
#endif
#ifndef ___XX_X_
  #define ___XX_X_ 0x1A
#endif
#ifndef ___XX_XX
  #define ___XX_XX 0x1B
#endif
#ifndef ___XXX__
  #define ___XXX__ 0x1C
#endif
#ifndef ___XXX_X
  #define ___XXX_X 0x1D
#endif
#ifndef ___XXXX_
  #define ___XXXX_ 0x1E
#endif
#ifndef ___XXXXX
  #define ___XXXXX 0x1F
#endif
#ifndef __X_____
  #define __X_____ 0x20
#endif
#ifndef __X____X
  #define __X____X 0x21
#endif
#ifndef __X___X_
  #define __X___X_ 0x22
#endif
#ifndef __X___XX
  #define __X___XX 0x23
#endif
#ifndef __X__X__
  #define __X__X__ 0x24
#endif
#ifndef __X__X_X
  #define __X__X_X 0x25
#endif
#ifndef __X__XX_
  #define __X__XX_ 0x26
#endif
#ifndef __X__XXX
  #define __X__XXX 0x27
#endif
#ifndef __X_X___
  #define __X_X___ 0x28
#endif
#ifndef __X_X__X
  #define __X_X__X 0x29
#endif
#ifndef __X_X_X_
  #define __X_X_X_ 0x2A
#endif
#ifndef __X_X_XX
  #define __X_X_XX 0x2B
#endif
#ifndef __X_XX__
  #define __X_XX__ 0x2C
#endif
#ifndef __X_XX_X
  #define __X_XX_X 0x2D
#endif
#ifndef __X_XXX_
  #define __X_XXX_ 0x2E
#endif
#ifndef __X_XXXX
  #define __X_XXXX 0x2F
#endif
#ifndef __XX____
  #define __XX____ 0x30
#endif
#ifndef __XX___X
  #define __XX___X 0x31
#endif
#ifndef __XX__X_
  #define __XX__X_ 0x32
#endif
#ifndef __XX__XX
  #define __XX__XX 0x33
#endif
#ifndef __XX_X__
  #define __XX_X__ 0x34
#endif
#ifndef __XX_X_X
  #define __XX_X_X 0x35
#endif
#ifndef __XX_XX_
  #define __XX_XX_ 0x36
#endif
#ifndef __XX_XXX
  #define __XX_XXX 0x37
#endif
#ifndef __XXX___
  #define __XXX___ 0x38
#endif
#ifndef __XXX__X
  #define __XXX__X 0x39
#endif
#ifndef __XXX_X_
  #define __XXX_X_ 0x3A
#endif
#ifndef __XXX_XX
  #define __XXX_XX 0x3B
#endif
#ifndef __XXXX__
  #define __XXXX__ 0x3C
#endif
#ifndef __XXXX_X
  #define __XXXX_X 0x3D
#endif
#ifndef __XXXXX_
  #define __XXXXX_ 0x3E
#endif
#ifndef __XXXXXX
  #define __XXXXXX 0x3F
#endif
#ifndef _X______
  #define _X______ 0x40
#endif
#ifndef _X_____X
  #define _X_____X 0x41
#endif
#ifndef _X____X_
  #define _X____X_ 0x42
#endif
#ifndef _X____XX
  #define _X____XX 0x43
#endif
#ifndef _X___X__
  #define _X___X__ 0x44
#endif
#ifndef _X___X_X
  #define _X___X_X 0x45
#endif
#ifndef _X___XX_
  #define _X___XX_ 0x46
#endif
#ifndef _X___XXX
  #define _X___XXX 0x47
#endif
#ifndef _X__X___
  #define _X__X___ 0x48
#endif
#ifndef _X__X__X
  #define _X__X__X 0x49
#endif
#ifndef _X__X_X_
  #define _X__X_X_ 0x4A
#endif
#ifndef _X__X_XX
  #define _X__X_XX 0x4B
#endif
#ifndef _X__XX__
  #define _X__XX__ 0x4C
#endif
#ifndef _X__XX_X
  #define _X__XX_X 0x4D
#endif
#ifndef _X__XXX_
  #define _X__XXX_ 0x4E
#endif
#ifndef _X__XXXX
  #define _X__XXXX 0x4F
#endif
#ifndef _X_X____
  #define _X_X____ 0x50
#endif
#ifndef _X_X___X
  #define _X_X___X 0x51
#endif
#ifndef _X_X__X_
  #define _X_X__X_ 0x52
#endif
#ifndef _X_X__XX
  #define _X_X__XX 0x53
#endif
#ifndef _X_X_X__
  #define _X_X_X__ 0x54
#endif
#ifndef _X_X_X_X
  #define _X_X_X_X 0x55
#endif
#ifndef _X_X_XX_
  #define _X_X_XX_ 0x56
#endif
#ifndef _X_X_XXX
  #define _X_X_XXX 0x57
#endif
#ifndef _X_XX___
  #define _X_XX___ 0x58
#endif
#ifndef _X_XX__X
  #define _X_XX__X 0x59
#endif
#ifndef _X_XX_X_
  #define _X_XX_X_ 0x5A
#endif
#ifndef _X_XX_XX
  #define _X_XX_XX 0x5B
#endif
#ifndef _X_XXX__
  #define _X_XXX__ 0x5C
#endif
#ifndef _X_XXX_X
  #define _X_XXX_X 0x5D
#endif
#ifndef _X_XXXX_
  #define _X_XXXX_ 0x5E
#endif
#ifndef _X_XXXXX
  #define _X_XXXXX 0x5F
#endif
#ifndef _XX_____
  #define _XX_____ 0x60
#endif
#ifndef _XX____X
  #define _XX____X 0x61
#endif
#ifndef _XX___X_
  #define _XX___X_ 0x62
#endif
#ifndef _XX___XX
  #define _XX___XX 0x63
#endif
#ifndef _XX__X__
  #define _XX__X__ 0x64
#endif
#ifndef _XX__X_X
  #define _XX__X_X 0x65
#endif
#ifndef _XX__XX_
  #define _XX__XX_ 0x66
#endif
#ifndef _XX__XXX
  #define _XX__XXX 0x67
#endif
#ifndef _XX_X___
  #define _XX_X___ 0x68
#endif
#ifndef _XX_X__X
  #define _XX_X__X 0x69
#endif
#ifndef _XX_X_X_
  #define _XX_X_X_ 0x6A
#endif
#ifndef _XX_X_XX
  #define _XX_X_XX 0x6B
#endif
#ifndef _XX_XX__
  #define _XX_XX__ 0x6C
#endif
#ifndef _XX_XX_X
  #define _XX_XX_X 0x6D
#endif
#ifndef _XX_XXX_
  #define _XX_XXX_ 0x6E
#endif
#ifndef _XX_XXXX
  #define _XX_XXXX 0x6F
#endif
#ifndef _XXX____
  #define _XXX____ 0x70
#endif
#ifndef _XXX___X
  #define _XXX___X 0x71
#endif
#ifndef _XXX__X_
  #define _XXX__X_ 0x72
#endif
#ifndef _XXX__XX
  #define _XXX__XX 0x73
#endif
#ifndef _XXX_X__
  #define _XXX_X__ 0x74
#endif
#ifndef _XXX_X_X
  #define _XXX_X_X 0x75
#endif
#ifndef _XXX_XX_
  #define _XXX_XX_ 0x76
#endif
#ifndef _XXX_XXX
  #define _XXX_XXX 0x77
#endif
#ifndef _XXXX___
  #define _XXXX___ 0x78
#endif
#ifndef _XXXX__X
  #define _XXXX__X 0x79
#endif
#ifndef _XXXX_X_
  #define _XXXX_X_ 0x7A
#endif
#ifndef _XXXX_XX
  #define _XXXX_XX 0x7B
#endif
#ifndef _XXXXX__
  #define _XXXXX__ 0x7C
#endif
#ifndef _XXXXX_X
  #define _XXXXX_X 0x7D
#endif
#ifndef _XXXXXX_
  #define _XXXXXX_ 0x7E
#endif
#ifndef _XXXXXXX
  #define _XXXXXXX 0x7F
#endif
#ifndef X_______
  #define X_______ 0x80
#endif
#ifndef X______X
  #define X______X 0x81
#endif
#ifndef X_____X_
  #define X_____X_ 0x82
#endif
#ifndef X_____XX
  #define X_____XX 0x83
#endif
#ifndef X____X__
  #define X____X__ 0x84
#endif
#ifndef X____X_X
  #define X____X_X 0x85
#endif
#ifndef X____XX_
  #define X____XX_ 0x86
#endif
#ifndef X____XXX
  #define X____XXX 0x87
#endif
#ifndef X___X___
  #define X___X___ 0x88
#endif
#ifndef X___X__X
  #define X___X__X 0x89
#endif
#ifndef X___X_X_
  #define X___X_X_ 0x8A
#endif
#ifndef X___X_XX
  #define X___X_XX 0x8B
#endif
#ifndef X___XX__
  #define X___XX__ 0x8C
#endif
#ifndef X___XX_X
  #define X___XX_X 0x8D
#endif
#ifndef X___XXX_
  #define X___XXX_ 0x8E
#endif
#ifndef X___XXXX
  #define X___XXXX 0x8F
#endif
#ifndef X__X____
  #define X__X____ 0x90
#endif
#ifndef X__X___X
  #define X__X___X 0x91
#endif
#ifndef X__X__X_
  #define X__X__X_ 0x92
#endif
#ifndef X__X__XX
  #define X__X__XX 0x93
#endif
#ifndef X__X_X__
  #define X__X_X__ 0x94
#endif
#ifndef X__X_X_X
  #define X__X_X_X 0x95
#endif
#ifndef X__X_XX_
  #define X__X_XX_ 0x96
#endif
#ifndef X__X_XXX
  #define X__X_XXX 0x97
#endif
#ifndef X__XX___
  #define X__XX___ 0x98
#endif
#ifndef X__XX__X
  #define X__XX__X 0x99
#endif
#ifndef X__XX_X_
  #define X__XX_X_ 0x9A
#endif
#ifndef X__XX_XX
  #define X__XX_XX 0x9B
#endif
#ifndef X__XXX__
  #define X__XXX__ 0x9C
#endif
#ifndef X__XXX_X
  #define X__XXX_X 0x9D
#endif
#ifndef X__XXXX_
  #define X__XXXX_ 0x9E
#endif
#ifndef X__XXXXX
  #define X__XXXXX 0x9F
#endif
#ifndef X_X_____
  #define X_X_____ 0xA0
#endif
#ifndef X_X____X
  #define X_X____X 0xA1
#endif
#ifndef X_X___X_
  #define X_X___X_ 0xA2
#endif
#ifndef X_X___XX
  #define X_X___XX 0xA3
#endif
#ifndef X_X__X__
  #define X_X__X__ 0xA4
#endif
#ifndef X_X__X_X
  #define X_X__X_X 0xA5
#endif
#ifndef X_X__XX_
  #define X_X__XX_ 0xA6
#endif
#ifndef X_X__XXX
  #define X_X__XXX 0xA7
#endif
#ifndef X_X_X___
  #define X_X_X___ 0xA8
#endif
#ifndef X_X_X__X
  #define X_X_X__X 0xA9
#endif
#ifndef X_X_X_X_
  #define X_X_X_X_ 0xAA
#endif
#ifndef X_X_X_XX
  #define X_X_X_XX 0xAB
#endif
#ifndef X_X_XX__
  #define X_X_XX__ 0xAC
#endif
#ifndef X_X_XX_X
  #define X_X_XX_X 0xAD
#endif
#ifndef X_X_XXX_
  #define X_X_XXX_ 0xAE
#endif
#ifndef X_X_XXXX
  #define X_X_XXXX 0xAF
#endif
#ifndef X_XX____
  #define X_XX____ 0xB0
#endif
#ifndef X_XX___X
  #define X_XX___X 0xB1
#endif
#ifndef X_XX__X_
  #define X_XX__X_ 0xB2
#endif
#ifndef X_XX__XX
  #define X_XX__XX 0xB3
#endif
#ifndef X_XX_X__
  #define X_XX_X__ 0xB4
#endif
#ifndef X_XX_X_X
  #define X_XX_X_X 0xB5
#endif
#ifndef X_XX_XX_
  #define X_XX_XX_ 0xB6
#endif
#ifndef X_XX_XXX
  #define X_XX_XXX 0xB7
#endif
#ifndef X_XXX___
  #define X_XXX___ 0xB8
#endif
#ifndef X_XXX__X
  #define X_XXX__X 0xB9
#endif
#ifndef X_XXX_X_
  #define X_XXX_X_ 0xBA
#endif
#ifndef X_XXX_XX
  #define X_XXX_XX 0xBB
#endif
#ifndef X_XXXX__
  #define X_XXXX__ 0xBC
#endif
#ifndef X_XXXX_X
  #define X_XXXX_X 0xBD
#endif
#ifndef X_XXXXX_
  #define X_XXXXX_ 0xBE
#endif
#ifndef X_XXXXXX
  #define X_XXXXXX 0xBF
#endif
#ifndef XX______
  #define XX______ 0xC0
#endif
#ifndef XX_____X
  #define XX_____X 0xC1
#endif
#ifndef XX____X_
  #define XX____X_ 0xC2
#endif
#ifndef XX____XX
  #define XX____XX 0xC3
#endif
#ifndef XX___X__
  #define XX___X__ 0xC4
#endif
#ifndef XX___X_X
  #define XX___X_X 0xC5
#endif
#ifndef XX___XX_
  #define XX___XX_ 0xC6
#endif
#ifndef XX___XXX
  #define XX___XXX 0xC7
#endif
#ifndef XX__X___
  #define XX__X___ 0xC8
#endif
#ifndef XX__X__X
  #define XX__X__X 0xC9
#endif
#ifndef XX__X_X_
  #define XX__X_X_ 0xCA
#endif
#ifndef XX__X_XX
  #define XX__X_XX 0xCB
#endif
#ifndef XX__XX__
  #define XX__XX__ 0xCC
#endif
#ifndef XX__XX_X
  #define XX__XX_X 0xCD
#endif
#ifndef XX__XXX_
  #define XX__XXX_ 0xCE
#endif
#ifndef XX__XXXX
  #define XX__XXXX 0xCF
#endif
#ifndef XX_X____
  #define XX_X____ 0xD0
#endif
#ifndef XX_X___X
  #define XX_X___X 0xD1
#endif
#ifndef XX_X__X_
  #define XX_X__X_ 0xD2
#endif
#ifndef XX_X__XX
  #define XX_X__XX 0xD3
#endif
#ifndef XX_X_X__
  #define XX_X_X__ 0xD4
#endif
#ifndef XX_X_X_X
  #define XX_X_X_X 0xD5
#endif
#ifndef XX_X_XX_
  #define XX_X_XX_ 0xD6
#endif
#ifndef XX_X_XXX
  #define XX_X_XXX 0xD7
#endif
#ifndef XX_XX___
  #define XX_XX___ 0xD8
#endif
#ifndef XX_XX__X
  #define XX_XX__X 0xD9
#endif
#ifndef XX_XX_X_
  #define XX_XX_X_ 0xDA
#endif
#ifndef XX_XX_XX
  #define XX_XX_XX 0xDB
#endif
#ifndef XX_XXX__
  #define XX_XXX__ 0xDC
#endif
#ifndef XX_XXX_X
  #define XX_XXX_X 0xDD
#endif
#ifndef XX_XXXX_
  #define XX_XXXX_ 0xDE
#endif
#ifndef XX_XXXXX
  #define XX_XXXXX 0xDF
#endif
#ifndef XXX_____
  #define XXX_____ 0xE0
#endif
#ifndef XXX____X
  #define XXX____X 0xE1
#endif
#ifndef XXX___X_
  #define XXX___X_ 0xE2
#endif
#ifndef XXX___XX
  #define XXX___XX 0xE3
#endif
#ifndef XXX__X__
  #define XXX__X__ 0xE4
#endif
#ifndef XXX__X_X
  #define XXX__X_X 0xE5
#endif
#ifndef XXX__XX_
  #define XXX__XX_ 0xE6
#endif
#ifndef XXX__XXX
  #define XXX__XXX 0xE7
#endif
#ifndef XXX_X___
  #define XXX_X___ 0xE8
#endif
#ifndef XXX_X__X
  #define XXX_X__X 0xE9
#endif
#ifndef XXX_X_X_
  #define XXX_X_X_ 0xEA
#endif
#ifndef XXX_X_XX
  #define XXX_X_XX 0xEB
#endif
#ifndef XXX_XX__
  #define XXX_XX__ 0xEC
#endif
#ifndef XXX_XX_X
  #define XXX_XX_X 0xED
#endif
#ifndef XXX_XXX_
  #define XXX_XXX_ 0xEE
#endif
#ifndef XXX_XXXX
  #define XXX_XXXX 0xEF
#endif
#ifndef XXXX____
  #define XXXX____ 0xF0
#endif
#ifndef XXXX___X
  #define XXXX___X 0xF1
#endif
#ifndef XXXX__X_
  #define XXXX__X_ 0xF2
#endif
#ifndef XXXX__XX
  #define XXXX__XX 0xF3
#endif
#ifndef XXXX_X__
  #define XXXX_X__ 0xF4
#endif
#ifndef XXXX_X_X
  #define XXXX_X_X 0xF5
#endif
#ifndef XXXX_XX_
  #define XXXX_XX_ 0xF6
#endif
#ifndef XXXX_XXX
  #define XXXX_XXX 0xF7
#endif
#ifndef XXXXX___
  #define XXXXX___ 0xF8
#endif
#ifndef XXXXX__X
  #define XXXXX__X 0xF9
#endif
#ifndef XXXXX_X_
  #define XXXXX_X_ 0xFA
#endif
#ifndef XXXXX_XX
  #define XXXXX_XX 0xFB
#endif
#ifndef XXXXXX__
  #define XXXXXX__ 0xFC
#endif
#ifndef XXXXXX_X
  #define XXXXXX_X 0xFD
#endif
#ifndef XXXXXXX_
  #define XXXXXXX_ 0xFE
#endif
#ifndef XXXXXXXX
  #define XXXXXXXX 0xFF
#endif

#endif
