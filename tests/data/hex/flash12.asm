; Test image for the 12-bit flash parts, assembled once per part with
;   gpasm -p <part> -D CONFIG=<configuration word> -D TOP=<last program address>
; code at the reset vector, a table just below the top of program memory
; (the top word is the part's OSCCAL where it has one), the configuration word.
        __config CONFIG
        org     0
        goto    start
        org     4
start:  movlw   0x55
        movwf   0x10
        movlw   0xA3
        goto    start
        org     TOP - 0x10
        retlw   0x12
        retlw   0x34
        retlw   0xFF
        end
