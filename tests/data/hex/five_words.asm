; The smallest image a user programs: five program words and the
; configuration word CONFIG, for any part (gpasm -p PART -D CONFIG=...).
        __config CONFIG
        org     0
start:  movlw   0x55
        movwf   0x0C
        movlw   0xA3
        movwf   0x0D
        goto    start
        end
