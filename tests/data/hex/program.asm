; A small program for the HEX file tests, assembled by the tests with
; gpasm -p <processor> -D CONFIG=... -D LAST=... [-D EEPROM] [-D WORD14].
; Words placed with dw are known exactly; the instructions in between are
; checked against srec_cat's reading of the same file.
        radix   hex
        __config CONFIG
        __idlocs 0x1234

        org     0
start   dw      0x0A25, 0x0000, 0x0123
        movlw   0x55
        goto    start
        org     0x0E            ; runs across the end of row 1
        dw      0x0456, 0x0789, 0x0ABC
  ifdef WORD14
        dw      0x3ABC          ; needs 14 bits
  endif
        org     LAST            ; the last program word
        dw      0x0FED

  ifdef EEPROM
        org     0x2100
        de      0x05, 0x06, 0xA7, 0x00, 0xFF, 0x5A
  endif
        end
