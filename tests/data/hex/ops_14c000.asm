; Test image for the device-operation tests on the 14C000. gpasm knows no
; 14C000; the 16C74 has the same 14-bit core, 4K words and configuration
; address, so its HEX file is the 14C000's. The configuration word has bits
; 1 and 6 clear: programming must set them.
        list    p=16c74
        __config 0x3FB4
        org     0
        goto    start
        org     4
start:  movlw   0x55
        movwf   0x20
        goto    start
        org     0xF00
        retlw   0x12
        retlw   0x34
        end
