; Test image for the device-operation tests: code at the reset vector, a
; table just below the top of program memory, the configuration word and
; data EEPROM bytes.
        list    p=16f874a
        __config 0x3F71
        org     0
        goto    start
        org     4
start:  movlw   0x55
        movwf   0x0C
        movlw   0xA3
        goto    start
        org     0xFF0
        retlw   0x12
        retlw   0x34
        retlw   0xFF
        org     0x2100
        de      0x05, 0xA5, 0x00, 0x7E
        end
