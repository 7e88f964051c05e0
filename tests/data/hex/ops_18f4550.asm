; A PIC18 image for the round trip: code at the reset vector and in a
; later write buffer, configuration set by CONFIG, ID bytes and data
; EEPROM. The test assembles it for each USB part (list p= replaced).
    list p=18f4550
    #include <p18f4550.inc>
    CONFIG PLLDIV = 5, CPUDIV = OSC2_PLL3, USBDIV = 2, FOSC = HSPLL_HS
    CONFIG PWRT = ON, BOR = OFF, VREGEN = ON, WDT = OFF, MCLRE = ON
    CONFIG PBADEN = OFF, LVP = OFF, XINST = OFF
    org 0
    goto start
    org 0x0230
start:
    movlw 0x5A
    movwf LATB
    incf LATB, F
    bra start
    org 0x1FF0
    dw 0x1234, 0xABCD, 0x0000, 0x55AA
    org 0x200000
    db 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08
    org 0xF00000
    de "lptpic", 0x00, 0xC3
    org 0xF000F8
    de 0x11, 0x22
    end
