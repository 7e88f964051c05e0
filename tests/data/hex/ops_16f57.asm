; Test image for the device-operation tests: tests/data/hex/flash12.asm for the
; 16F57 (code at the reset vector, a table below the top word, the configuration word).
        list    p=16f57
        __config 0x0FFA
        org     0
        goto    start
        org     4
start:  movlw   0x55
        movwf   0x10
        movlw   0xA3
        goto    start
        org     0x7FF - 0x10
        retlw   0x12
        retlw   0x34
        retlw   0xFF
        end
