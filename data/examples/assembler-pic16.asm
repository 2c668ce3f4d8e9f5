; *
; * Project name:
; *     Timer Interrupt Test
; *     Simple demonstration of interrupt handling
; * Copyright:
; *     (c) 2026 The Tickwell developers
; * Revision History:
; *     20261206:
; *       - initial release.
; * Description:
; *     This code demonstrates using interrupts in assembler. Program turns
; *     on/off LEDs on PORTB a little more than once a second: Timer0
; *     (8 MHz / 4, prescaler 1:32, reloaded with 96) interrupts every
; *     5129 instruction cycles: the 160 x 32 = 5120 it counts plus 9 from
; *     the overflow until the reload in the interrupt routine takes effect.
; *     PORTB toggles every 400 interrupts, every 2051600 cycles = 1.0258 s
; *     (measured on gpsim 0.31 from the second toggle on; the first one,
; *     timed from the start, comes 3 cycles sooner).
; * Test configuration:
; *     MCU:             PIC16F877A
; *     Dev.Board:       -
; *     Oscillator:      HS, 08.0000 MHz
; *     Ext. Modules:    -
; *     SW:              MPASM v5.87, gpasm 1.4.0
; * NOTES:
; *     Generated with Tickwell
; *     www.tickwell.example
; *

        LIST    P=16F877A
        #include <p16f877a.inc>
        __CONFIG _HS_OSC & _WDT_OFF & _PWRTE_ON & _BOREN_ON & _LVP_OFF

        CBLOCK  H'70'           ; shared RAM, the same in every bank
        w_save
        status_save
        cnt_lo
        cnt_hi
        ENDC

        ORG     H'0000'
        GOTO    main

        ORG     H'0004'
interrupt:
        MOVWF   w_save          ; save W and STATUS
        SWAPF   STATUS,W
        CLRF    STATUS          ; bank 0
        MOVWF   status_save
        MOVLW   D'96'
        MOVWF   TMR0            ; reload timer0
        INCF    cnt_lo,F        ; increment value of cnt on every interrupt
        BTFSC   STATUS,Z
        INCF    cnt_hi,F
        BCF     INTCON,T0IF     ; clear T0IF
        SWAPF   status_save,W   ; restore STATUS and W
        MOVWF   STATUS
        SWAPF   w_save,F
        SWAPF   w_save,W
        RETFIE

main:
        BANKSEL OPTION_REG
        MOVLW   H'84'
        MOVWF   OPTION_REG      ; Assign prescaler to TMR0
        CLRF    TRISB           ; PORTB is output
        BANKSEL PORTB
        MOVLW   H'FF'
        MOVWF   PORTB           ; initialize PORTB
        MOVLW   D'96'
        MOVWF   TMR0            ; timer0 initial value
        CLRF    cnt_lo          ; initialize cnt
        CLRF    cnt_hi
        MOVLW   H'A0'
        MOVWF   INTCON          ; enable TMR0 interrupt

loop:
        MOVF    cnt_hi,W        ; cnt = 400 ?
        XORLW   HIGH D'400'
        BTFSS   STATUS,Z
        GOTO    loop
        MOVF    cnt_lo,W
        XORLW   LOW D'400'
        BTFSS   STATUS,Z
        GOTO    loop
toggle:
        COMF    PORTB,F         ; toggle PORTB LEDs
        CLRF    cnt_lo          ; reset cnt
        CLRF    cnt_hi
        GOTO    loop

        END
